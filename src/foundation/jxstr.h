#pragma once

#include <compare>

#include "platform/types.h"

// The program's small string value. Positions and lengths count Unicode characters
// of the UTF-8 text, so a Cyrillic letter is never cut; comparison is byte-wise.
class JXStr {
public:
    JXStr() = default;
    JXStr(const char* text);
    JXStr(const AnsiString& text);

    operator AnsiString() const { return text_; }
    AnsiString GetAnsi() const { return text_; }
    JXStr& operator=(const char* text);

    JXStr operator+(const char* right) const;
    JXStr operator+(const JXStr& right) const;
    JXStr operator+(const AnsiString& right) const;

    bool operator==(const JXStr&) const = default;
    std::strong_ordering operator<=>(const JXStr&) const = default;

    // The text as a decimal integer; anything else raises EConvertError.
    int ToInt() const;
    int Length() const;
    const char* c_str() const { return text_.c_str(); }

    static JXStr Replace(JXStr text, JXStr from, JXStr to);
    static int Pos(JXStr text, JXStr sub);
    static JXStr SubStr(JXStr text, int start, int count);
    static JXStr LeftOf(JXStr text, JXStr sep);
    static JXStr RightOf(JXStr text, JXStr sep);
    static JXStr DelCRLF(JXStr text);
    static JXStr Delete(JXStr& text, int index, int count);

private:
    AnsiString text_;
};
