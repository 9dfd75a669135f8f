#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/jettokenizer.h"

// A literal value of a Jet statement, as SQLite stores the literal.
struct JetLiteral {
    enum class Kind { Null, Integer, Real, Text };
    Kind kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string text;
};

// An INSERT ... VALUES statement whose values are all literals: its SQLite text with
// the parameters ?1 ... ?n in place of the values, and the values.
struct JetLiteralInsert {
    std::string sqliteSql;
    std::vector<JetLiteral> values;
};

// Turns one Jet SQL statement (SELECT, INSERT, UPDATE or DELETE) into SQLite SQL with
// the same meaning. It parses the statement and writes it anew, so literals pass
// through untouched and every rewrite knows where it stands (a comparison in WHERE
// stays a plain condition; in a select list it becomes Jet's -1 or 0).
class JetTranslator {
public:
    // Raises EDatabaseError, naming the place, on text it cannot read.
    static std::string Translate(std::string_view jetSql);
    // The statement split as above, so that the rows an update file inserts into one
    // table share one prepared statement; nothing for any other statement, or for text
    // Translate would reject.
    static std::optional<JetLiteralInsert> SplitLiteralInsert(std::string_view jetSql);

private:
    struct Expr;
    struct Select;

    explicit JetTranslator(std::string_view jetSql);

    std::string Statement();
    std::string InsertStatement();
    // "INSERT INTO" with the table and the column list, if any.
    std::string InsertTarget(bool& hasColumnList);
    std::optional<JetLiteralInsert> LiteralInsert();
    std::optional<JetLiteral> Literal();
    std::string UpdateStatement();
    std::string DeleteStatement();

    Select SelectStatement();
    std::string SelectItem(Select& select);
    std::string TopCount();
    std::string FromList();
    std::string JoinedTables();
    std::string TableOrGroup();
    std::string TableWithAlias();
    std::string ValueList();
    std::string OrderByList();

    Expr Expression();
    Expr Disjunction();
    Expr Conjunction();
    Expr LogicalChain(std::string_view keyword, int level, Expr (JetTranslator::*operand)());
    Expr Negation();
    Expr Comparison();
    Expr Sum();
    Expr Product();
    Expr Signed();
    Expr Primary();
    Expr Parenthesised();
    Expr FunctionCall();
    Expr ColumnReference();
    Expr ComparisonTail(const Expr& left, bool negated);

    std::string NameText(const JetToken& name) const;
    const JetToken& TakeName(const char* what);
    bool AtName() const;
    bool AtStar() const;

    const JetToken& Peek(size_t ahead = 0) const;
    const JetToken& Take();
    bool AcceptKeyword(std::string_view keyword);
    bool AcceptSymbol(std::string_view symbol);
    void ExpectKeyword(std::string_view keyword);
    void ExpectSymbol(std::string_view symbol);
    [[noreturn]] void Fail(const std::string& what) const;
    [[noreturn]] void FailAt(const JetToken& token, const std::string& what) const;

    // Guards recursion against deeply nested text.
    class Nesting;

    std::string_view text_;
    std::vector<JetToken> tokens_;
    size_t at_ = 0;
    int depth_ = 0;
};
