#pragma once
// Where the program finds the files it ships (catalogues, tutorial), the
// files that are part of the program itself (images, icons, help, desktop
// entry) and where it writes its own (history, layout).
#include <string>

struct ProgramFiles {
    std::string dataDir;  // the shipped files
    std::string userDir;  // the user's own copies and the files the program writes
    std::string programDir;  // images, icons and help: never a user's copy

    // The program's own file name (help/index.html, images/155.png).
    std::string Program(const std::string& name) const;

    // The user's copy of name when there is one, else the shipped file.
    std::string Find(const std::string& name) const;
    // Where the program writes name; the folder is made when missing.
    std::string Writable(const std::string& name) const;
};

// One folder for both: MORVIX_HOME when it is set, else the executable's
// folder when the files are there (the build tree). An installed program
// (bin/ beside share/morvix/) reads share/morvix and writes the user's
// $XDG_DATA_HOME/morvix (~/.local/share/morvix). The program's own files
// come from the executable's folder or share/morvix whatever MORVIX_HOME
// says: a home that holds only the catalogues keeps its images and icons.
ProgramFiles FindProgramFiles();
ProgramFiles FindProgramFiles(const std::string& executableDir, const char* morvixHome, const char* xdgDataHome,
                              const char* home);
