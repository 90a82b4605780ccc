// A stand-in for the game, installed as 1.exe in the demo installation: it
// shows the settings it was started with, read from Data/config.ini in its
// working directory, and ends when its window is closed.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Setting {
    std::string key;
    std::string value;
};

// "key value" lines: the key runs to the first blank, the value is the rest
// after the blanks. Comment lines ("#") and empty lines are skipped; CR LF
// and LF line ends both work.
std::vector<Setting> readSettings(const char* path, bool& found) {
    std::vector<Setting> settings;
    std::ifstream in(path, std::ios::binary);
    found = static_cast<bool>(in);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        size_t blank = line.find(' ', 1);
        Setting setting{line.substr(0, blank), ""};
        if (blank != std::string::npos) {
            size_t start = line.find_first_not_of(' ', blank);
            if (start != std::string::npos) setting.value = line.substr(start);
        }
        settings.push_back(setting);
    }
    return settings;
}

// The value of the first line with `key` (the launcher's settings come
// first in the file, so they win over the game's own), or "".
std::string valueOf(const std::vector<Setting>& settings, const char* key) {
    for (const Setting& s : settings) {
        if (s.key == key) return s.value;
    }
    return "";
}

std::string nameOf(const std::string& number, const char* const names[], int count) {
    int n = -1;
    if (std::sscanf(number.c_str(), "%d", &n) == 1 && n >= 0 && n < count && names[n]) {
        return number + " (" + names[n] + ")";
    }
    return number.empty() ? "(not set)" : number;
}

const char* const MODE_NAMES[] = {nullptr,       "full screen",           "window 4:3",
                                  "window 16:9", "window 4:3, half size", "window 16:9, half size"};
const char* const LANGUAGE_NAMES[] = {nullptr,   "English", "French", "Spanish",
                                      "Italian", "German",  "Dutch"};
const char* const VOLUME_NAMES[] = {"off", nullptr, nullptr, nullptr, nullptr, "max"};

// The lines of the list: the launch settings first, then every other line.
std::vector<std::string> describe(const std::vector<Setting>& settings, bool found) {
    if (!found) return {"No Data/config.ini: started without launch settings."};
    std::string width = valueOf(settings, "screenx"), height = valueOf(settings, "screeny");
    std::vector<std::string> lines = {
        "Profile\t" + valueOf(settings, "name"),
        "Display mode\t" + nameOf(valueOf(settings, "resolution"), MODE_NAMES, 6),
        "Fullscreen\t" + std::string(valueOf(settings, "fullscreen") == "1" ? "yes" : "no"),
        "Size\t" + width + " x " + height,
        "Language\t" + nameOf(valueOf(settings, "langage"), LANGUAGE_NAMES, 7),
        "Music volume\t" + nameOf(valueOf(settings, "volume"), VOLUME_NAMES, 6),
        " ",
        "Other settings:",
    };
    const char* const shown[] = {"name",    "resolution", "fullscreen", "screenx",
                                 "screeny", "langage",    "volume"};
    for (const Setting& s : settings) {
        bool known = false;
        for (const char* key : shown) known = known || s.key == key;
        if (!known) lines.push_back(s.key + "\t" + s.value);
    }
    return lines;
}

// "@." at the start of a column makes the browser show the rest as it
// stands, so a value that begins with '@' is not read as a format.
std::string literally(const std::string& line) {
    std::string shown = "@.";
    for (char c : line) shown += c == '\t' ? std::string("\t@.") : std::string(1, c);
    return shown;
}

void onQuit(Fl_Widget* button, void*) { button->window()->hide(); }

}  // namespace

int main(int argc, char** argv) {
    bool found = false;
    std::vector<Setting> settings = readSettings("Data/config.ini", found);
    std::printf("Demo game: started for profile '%s'\n", valueOf(settings, "name").c_str());
    std::fflush(stdout);

    Fl_Window window(440, 320, "Tarvelline demo game");
    Fl_Box heading(10, 8, 420, 28, "Tarvelline started with these settings:");
    heading.labelfont(FL_HELVETICA_BOLD);
    heading.align(FL_ALIGN_INSIDE | FL_ALIGN_LEFT);
    Fl_Browser list(10, 40, 420, 236);
    static const int columns[] = {130, 0};
    list.column_widths(columns);
    for (const std::string& line : describe(settings, found)) list.add(literally(line).c_str());
    Fl_Button quit(340, 284, 90, 28, "Quit");
    quit.callback(onQuit);
    window.end();
    window.position((Fl::w() - window.w()) / 2, (Fl::h() - window.h()) / 2);
    window.show(argc, argv);
    Fl::run();
    std::printf("Demo game: closed\n");
    return 0;
}
