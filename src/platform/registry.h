#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/types.h"

class QSettings;
class QVariant;

// Root keys keep their Windows values so code can name them; every root maps to
// the same per-user settings folder here.
using HKEY = std::uint32_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;

// Where a registry key lives on disk. The key "\SOFTWARE\Maker\Product" is the INI
// file "Maker/Product.conf" under $XDG_CONFIG_HOME (~/.config when that is unset,
// empty or relative); deeper keys add folders. Value names are the INI keys of the
// file's [General] section, compared exactly (the program spells each one the same
// way everywhere). Empty for a key outside "\SOFTWARE\".
std::string RegistryFilePath(const AnsiString& key);

// The registry as the program uses it: one key opened at a time, typed values read
// and written by name. Everything is stored as INI text (through QSettings), so
// integers are decimal text and booleans the integers 0 and 1.
//
// What callers rely on:
// - OpenKey without canCreate fails while the key's file does not exist;
// - with no key open every read and write raises ERegistryException;
// - ReadInteger and ReadBool of a missing (or non-numeric) value raise, while
//   ReadString of a missing value is the empty text;
// - every write is on disk before it returns; a failed write raises.
class TRegistry {
public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Set by callers as on Windows; it selects nothing here.
    HKEY RootKey = HKEY_CURRENT_USER;

    bool OpenKey(const AnsiString& key, bool canCreate);
    void CloseKey();

    AnsiString ReadString(const AnsiString& name);
    int ReadInteger(const AnsiString& name);
    bool ReadBool(const AnsiString& name);

    void WriteString(const AnsiString& name, const AnsiString& value);
    void WriteInteger(const AnsiString& name, int value);
    void WriteBool(const AnsiString& name, bool value);

    bool ValueExists(const AnsiString& name);

private:
    // The open key's settings, brought up to date; raises `failure` for name when no key is open.
    QSettings& OpenSettings(const AnsiString& name, const char* failure);
    void Write(const AnsiString& name, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
};
