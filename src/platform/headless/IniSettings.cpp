#include "platform/headless/IniSettings.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "platform/headless/IniFormat.h"

namespace fs = std::filesystem;

IniSettings::IniSettings(std::string path, std::ostream& errors) : path_(std::move(path)), errors_(errors)
{
    Load();
}

IniSettings::~IniSettings()
{
    Save();
}

void IniSettings::Load()
{
    std::error_code code;
    if (!fs::exists(path_, code))
        return;
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream text;
    if (in)
        text << in.rdbuf();
    if (!in || fs::is_directory(path_, code)) {
        errors_ << "settings file " << path_ << " cannot be read; starting with empty settings\n";
        damaged_ = true;
        return;
    }
    IniParseResult parsed = ParseIni(text.str());
    if (!parsed.error.empty()) {
        errors_ << "settings file " << path_ << ": " << parsed.error
                << "; starting with empty settings (the old file is kept as " << path_ << ".bad)\n";
        damaged_ = true;
        return;
    }
    Replace(std::move(parsed.sections));
}

bool IniSettings::Save()
{
    if (!IsDirty())
        return true;
    if (!WriteFile(FormatIni(All())))
        return false;
    MarkClean();
    return true;
}

bool IniSettings::WriteFile(const std::string& text)
{
    std::error_code code;
    if (damaged_ && fs::is_regular_file(path_, code)) {
        fs::rename(path_, path_ + ".bad", code);
        damaged_ = false;
    }
    std::string temporary = path_ + ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.flush();
        if (!out) {
            errors_ << "settings file " << path_ << " cannot be written\n";
            fs::remove(temporary, code);
            return false;
        }
    }
    fs::rename(temporary, path_, code);
    if (code) {
        errors_ << "settings file " << path_ << " cannot be replaced: " << code.message() << "\n";
        fs::remove(temporary, code);
        return false;
    }
    return true;
}
