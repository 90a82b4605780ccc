#include "i18n/language_tables.h"

#include "platform/platform.h"

namespace LauncherSettings {
int32_t language = 1;

void resetLanguage() { language = 1; }
}  // namespace LauncherSettings

// clang-format off
const LanguageTable languageTables[LANGUAGE_COUNT] = {
    {   // 1 English
        "Fullscreen",
        "Windowed",
        "%d%% done (Level %d/%d, Challenges %d/%d)",
        "Warning max profile number reached (%d)\n",
        "Enter your name (31 characters max)",
        "Loading game. Please wait...\n",
        "Closing...\n",
        "Create new profile",
        "Resolution",
        "Language",
        "Player Profile",
        "Start Game",
        "CANCEL",
        "Enter the name of the player profile you want to use (example: John or Dad)",
        "half size",
        "Music Volume",
        "Off",
        "Max",
        "Cannot start %s:\n%s",
        "Settings not saved:\n%s\nPress again to start anyway",
        "This name cannot be a file name; choose another.",
        "The profile list is full.",
        "Profile file not made: %s",
        "Player %d",
    },
    {   // 2 French
        "Plein écran",
        "Fenêtré",
        "%d\u00A0%% accompli (niveaux %d/%d, défis %d/%d)",
        "Attention\u00A0: nombre maximal de profils atteint (%d)\n",
        "Entrez votre nom (31 caractères max.)",
        "Chargement du jeu. Veuillez patienter...\n",
        "Fermeture...\n",
        "Nouveau profil",
        "Résolution",
        "Langue",
        "Profil du joueur",
        "Lancer le jeu",
        "Annuler",
        "Entrez le nom du profil de joueur à utiliser (par exemple\u00A0: Jean ou Papa)",
        "demi-taille",
        "Volume de la musique",
        "Coupé",
        "Max",
        "Impossible de lancer %s\u00A0:\n%s",
        "Réglages non enregistrés\u00A0:\n%s\nAppuyez de nouveau pour jouer quand même",
        "Ce nom ne peut pas servir de nom de fichier.",
        "La liste des profils est pleine.",
        "Fichier du profil non créé\u00A0: %s",
        "Joueur %d",
    },
    {   // 3 Spanish
        "Pantalla completa",
        "Ventana",
        "%d\u00A0%% completado (niveles %d/%d, desafíos %d/%d)",
        "Aviso: se ha alcanzado el número máximo de perfiles (%d)\n",
        "Escribe tu nombre (31 caracteres como máximo)",
        "Cargando el juego. Espera, por favor...\n",
        "Cerrando...\n",
        "Nuevo perfil",
        "Resolución",
        "Idioma",
        "Perfil de jugador",
        "Iniciar el juego",
        "Cancelar",
        "Escribe el nombre del perfil de jugador que quieres usar (por ejemplo: Juan o Papá)",
        "al 50\u00A0%",
        "Volumen de la música",
        "Sin sonido",
        "Máx.",
        "No se puede iniciar %s:\n%s",
        "No se ha guardado la configuración:\n%s\nPulsa otra vez para jugar de todos modos",
        "Este nombre no sirve como nombre de archivo.",
        "La lista de perfiles está llena.",
        "No se ha creado el archivo del perfil: %s",
        "Jugador %d",
    },
    {   // 4 Italian
        "Schermo intero",
        "Finestra",
        "%d%% completato (livelli %d/%d, sfide %d/%d)",
        "Attenzione: raggiunto il numero massimo di profili (%d)\n",
        "Inserisci il tuo nome (massimo 31 caratteri)",
        "Caricamento del gioco. Attendere prego...\n",
        "Chiusura...\n",
        "Nuovo profilo",
        "Risoluzione",
        "Lingua",
        "Profilo giocatore",
        "Avvia il gioco",
        "Annulla",
        "Inserisci il nome del profilo giocatore da usare (ad esempio: Giovanni o Papà)",
        "dimezzata",
        "Volume della musica",
        "Disattivato",
        "Max",
        "Impossibile avviare %s:\n%s",
        "Impostazioni non salvate:\n%s\nPremi di nuovo per giocare comunque",
        "Questo nome non può essere un nome di file.",
        "L'elenco dei profili è pieno.",
        "File del profilo non creato: %s",
        "Giocatore %d",
    },
    {   // 5 German
        "Vollbild",
        "Fenster",
        "%d\u00A0%% geschafft (Level %d/%d, Herausforderungen %d/%d)",
        "Warnung: Höchstzahl an Profilen erreicht (%d)\n",
        "Gib deinen Namen ein (höchstens 31 Zeichen)",
        "Spiel wird geladen. Bitte warten...\n",
        "Wird beendet...\n",
        "Neues Profil",
        "Auflösung",
        "Sprache",
        "Spielerprofil",
        "Spiel starten",
        "Abbrechen",
        "Gib den Namen des Spielerprofils ein, das du verwenden möchtest (zum Beispiel: Hans oder Papa)",
        "halbe Größe",
        "Musiklautstärke",
        "Aus",
        "Max.",
        "%s kann nicht gestartet werden:\n%s",
        "Einstellungen nicht gespeichert:\n%s\nErneut drücken, um trotzdem zu spielen",
        "Dieser Name kann kein Dateiname sein.",
        "Die Profilliste ist voll.",
        "Profildatei nicht angelegt: %s",
        "Spieler %d",
    },
    {   // 6 Dutch
        "Volledig scherm",
        "Venster",
        "%d%% voltooid (levels %d/%d, uitdagingen %d/%d)",
        "Waarschuwing: maximumaantal profielen bereikt (%d)\n",
        "Voer je naam in (maximaal 31 tekens)",
        "Spel wordt geladen. Even geduld...\n",
        "Afsluiten...\n",
        "Nieuw profiel",
        "Resolutie",
        "Taal",
        "Spelersprofiel",
        "Spel starten",
        "Annuleren",
        "Voer de naam in van het spelersprofiel dat je wilt gebruiken (bijvoorbeeld: Jan of papa)",
        "half formaat",
        "Muziekvolume",
        "Uit",
        "Max.",
        "Kan %s niet starten:\n%s",
        "Instellingen niet opgeslagen:\n%s\nDruk nogmaals om toch te spelen",
        "Deze naam kan geen bestandsnaam zijn.",
        "De profiellijst is vol.",
        "Profielbestand niet aangemaakt: %s",
        "Speler %d",
    },
};

const NumberedText languageNames[LANGUAGE_COUNT] = {
    {"English", 1}, {"Français", 2}, {"Español", 3},
    {"Italiano", 4}, {"Deutsch", 5}, {"Nederlands", 6},
};

const NumberedText volumeLabels[6] = {
    {"Off", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"Max", 5},
};
// clang-format on

int languageForCode(const std::string& code) {
    static const char* const CODES[LANGUAGE_COUNT] = {"en", "fr", "es", "it", "de", "nl"};
    for (int i = 0; i < LANGUAGE_COUNT; ++i) {
        if (platform::equalIgnoringAsciiCase(code.c_str(), code.size(), CODES[i])) return i + 1;
    }
    return 0;
}

const LanguageTable& languageTable(int language) {
    bool known = language >= 1 && language <= LANGUAGE_COUNT;
    return languageTables[known ? language - 1 : 0];
}

const char* localisedText(StringId id) {
    if (id < 0 || id >= STRING_COUNT) return "";
    return languageTable(LauncherSettings::language)[id];
}
