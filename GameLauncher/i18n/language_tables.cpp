#include "i18n/language_tables.h"

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
    },
    {   // 2 French
        "Plein écran",
        "Fénétré",
        "%d%% fait (Niveaux %d/%d, Défis %d/%d)",
        "Attention, nombre de profiles maximum atteints (%d)\n",
        "Entrez votre nom (31 caracters max)",
        "Chargement, veuillez patienter...\n",
        "Fermeture...\n",
        "Créer un nouveau profile",
        "Resolution",
        "Langage",
        "Profil Joueur",
        "Demarrer le jeu",
        "ANNULER",
        "Entrez le nom du profile joueur que vous voulez utiliser (exemple: Jean ou Papa)",
        "demie taille",
        "Volume Musique",
        "Eteint",
        "Max",
        "Impossible de lancer %s :\n%s",
        "Réglages non enregistrés :\n%s\nAppuyez encore pour jouer quand même",
    },
    {   // 3 Spanish
        "Pantalla completa",
        "Ventana",
        "% d%% done (Nivel% d /% d, los desafíos% d /% d)",
        "Advertencia número de perfil máximo alcanzado (% d) \n",
        "Escriba su nombre (31 caracteres como máximo)",
        "Cargando. Por favor, espere ... \n",
        "Cerrado ...  n",
        "Crear un nuevo perfil",
        "Resolución",
        "Idioma",
        "Perfil del Jugador",
        "Iniciar el juego",
        "CANCELAR",
        "Escriba el nombre del perfil de jugador que desea utilizar (por ejemplo: John o Papá)",
        "tamaño medio",
        "Volumen de la Música",
        "Apagado",
        "Max",
        "No se puede iniciar %s:\n%s",
        "No se guardó la configuración:\n%s\nPulse otra vez para jugar igualmente",
    },
    {   // 4 Italian
        "Fullscreen",
        "Finestra",
        "% d%% Fatto (Livello% d /% d, sfide% d /% d)",
        "Attenzione numero del profilo max raggiunto (% d) \n",
        "Inserisci il tuo nome (max 31 caratteri)",
        "Caricamento. Attendere prego ... \n",
        "Chiusura in corso ... \n",
        "Creare un nuovo profilo",
        "Risoluzione",
        "Lingua",
        "Player Profile",
        "Start Game",
        "Annulla",
        "Immettere il nome del profilo del giocatore che si desidera utilizzare (ad esempio: John o papà)",
        "mezzo size",
        "Volume Music",
        "Chiuso",
        "Max",
        "Impossibile avviare %s:\n%s",
        "Impostazioni non salvate:\n%s\nPremere di nuovo per giocare comunque",
    },
    {   // 5 German
        "Vollbild",
        "Fenstermodus",
        "% d%% fertig (Level% d /% d, Herausforderungen% d /% d)",
        "Warnung anzeigen max Anzahl erreicht (% d) \n",
        "Geben Sie Ihren Namen (31 Zeichen)",
        "Loading game. Bitte warten... \n",
        "Closing ... \n",
        "Neues Profil",
        "Auflösung",
        "Sprache",
        "Spieler-Profil",
        "Spiel starten",
        "Abbrechen",
        "Geben Sie den Namen des Spielers Profil, das Sie möchten (Beispiel: Gebrauch John oder Papa)",
        "halb so groß",
        "Music Volume",
        "Aus",
        "Max",
        "%s kann nicht gestartet werden:\n%s",
        "Einstellungen nicht gespeichert:\n%s\nErneut drücken, um trotzdem zu spielen",
    },
    {   // 6 Dutch
        "Fullscreen",
        "Windowed",
        "% d%% gedaan (Level% d /% d, uitdagingen% d /% d)",
        "Waarschuwing max profiel aantal bereikt (% d) \n",
        "Voer uw naam (31 tekens max.)",
        "Laden spel. Please wait... \n",
        "Closing ... \n",
        "Creëer nieuw profiel",
        "Resolution",
        "Taal",
        "Player Profile",
        "Start Game",
        "Annuleren",
        "Geef de naam van de speler profiel dat u wilt (bijvoorbeeld: gebruik John of papa)",
        "halve grootte",
        "Music Volume",
        "Off",
        "Max",
        "Kan %s niet starten:\n%s",
        "Instellingen niet opgeslagen:\n%s\nDruk nogmaals om toch te spelen",
    },
};

const NumberedText languageNames[LANGUAGE_COUNT] = {
    {"English", 1}, {"Français", 2}, {"Español", 3},
    {"Italiano", 4}, {"Deutch", 5}, {"Dutch", 6},
};

const NumberedText volumeLabels[6] = {
    {"Off", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"Max", 5},
};
// clang-format on

const LanguageTable& languageTable(int language) {
    bool known = language >= 1 && language <= LANGUAGE_COUNT;
    return languageTables[known ? language - 1 : 0];
}

const char* localisedText(StringId id) {
    if (id < 0 || id >= STRING_COUNT) return "";
    return languageTable(LauncherSettings::language)[id];
}
