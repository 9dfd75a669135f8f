#pragma once

#include <string>
#include <string_view>
#include <vector>

// One token of a Jet SQL text.
struct JetToken {
    enum class Kind {
        Name,         // plain name or keyword, as written
        QuotedName,   // [bracketed] name, brackets removed
        String,       // '...' or "..." literal, quotes removed and doubled quotes undone
        Number,       // numeric literal, as written
        Date,         // #...# literal, as a TDateTime day number in text
        Symbol,       // operator or punctuation: = <> < > <= >= + - * / ( ) , . ;
        End,
    };

    Kind kind = Kind::End;
    std::string text;
    size_t position = 0;  // 0-based byte offset in the source text

    bool IsSymbol(std::string_view symbol) const { return kind == Kind::Symbol && text == symbol; }
    // A plain name equal to the keyword, in any case.
    bool IsKeyword(std::string_view keyword) const;
};

// Splits a Jet SQL text into tokens, the last one of kind End. Raises EDatabaseError
// on text no Jet statement can hold (an unclosed literal, a stray character, a date
// literal that names no date).
std::vector<JetToken> TokenizeJetSql(std::string_view text);

// The error the translator raises for a text it cannot read: the message names the
// offending place of the text.
[[noreturn]] void ThrowJetSqlError(std::string_view text, size_t position, const std::string& what);
