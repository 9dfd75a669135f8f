#pragma once

#include <map>
#include <memory>

#include "data/dbase.h"
#include "platform/types.h"

class TRegistry;

// The program's settings: typed values of the settings key, the texts of the chosen
// language, the main window's placement (FormSetting) and the remembered control
// values of the pickers and the nearest-matches window (FormData), both in setting.mdb.
//
// The one instance the program uses is DBSetting::Global(): the main window's
// constructor creates it with CreateGlobal() and its destruction frees it with
// FreeGlobal(); the setup creates it once the settings key exists; tests free it
// before they reset the connections.
class DBSetting : public DBase {
public:
    DBSetting();
    ~DBSetting() override;

    static DBSetting* Global();
    // Replaces the global instance by a new one on the current program folder.
    static DBSetting* CreateGlobal();
    static void FreeGlobal();

    // Registry values by name. A missing integer or boolean raises ERegistryException,
    // a missing string reads as empty; without the key every read and write raises.
    AnsiString ReadString(const AnsiString& name);
    void WriteString(const AnsiString& name, const AnsiString& value);
    int ReadInteger(const AnsiString& name);
    void WriteInteger(const AnsiString& name, int value);
    bool ReadBool(const AnsiString& name);
    void WriteBool(const AnsiString& name, bool value);

    // Loads "Lang/" + Lang + ".lng"; false (no texts, and a log line naming the file)
    // when it cannot be read.
    bool LoadLanguage();
    // The text of id with "[rn]" turned into CR LF; empty for an id the file lacks.
    AnsiString GetLangText(int id);
    // Reads key=value lines of a cp1251 file into map, split at the first "=";
    // nothing is trimmed and a later line replaces an earlier one of the same key.
    // False when the file cannot be read; the map then keeps what it held.
    static bool LoadTextFile(const AnsiString& path, std::map<AnsiString, AnsiString>& map, bool clear);

    // Selects the FormSetting row of a window; the Save* calls write its columns.
    void OpenFormSetting(const AnsiString& key);
    void SaveIsMax(bool value);
    void SaveWidth(int value);
    void SaveHeight(int value);
    void SaveTop(int value);
    void SaveLeft(int value);

    // Loads a window's remembered values; index n is the n-th row in ControlIndex order.
    void LoadFormData(const AnsiString& key);
    AnsiString GetFormString(int index);
    // A value that is no integer (no boolean) shows an error box and reads as 0 (false).
    int GetFormInt(int index);
    bool GetFormBool(int index);
    // Writes the value of an existing row; a row that does not exist is not created.
    void SetFormString(const AnsiString& key, int index, const AnsiString& text);
    void SetFormBool(const AnsiString& key, int index, bool value);
    void SetFormInt(const AnsiString& key, int index, int value);

private:
    template <typename Assign>
    void SaveFormSetting(const char* column, Assign assign);
    void ShowFormError(const char* text, int index);

    std::unique_ptr<TRegistry> Registry;
    std::map<AnsiString, AnsiString> LangTexts;
    std::map<int, AnsiString> FormValues;
    AnsiString FormName;
};
