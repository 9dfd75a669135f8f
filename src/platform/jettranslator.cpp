#include "platform/jettranslator.h"

#include "platform/exceptions.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace {

// SQLite's operator precedence, loosest first; an operand of lower precedence than
// its place needs is written in parentheses.
enum Precedence : int {
    OrLevel = 1,
    AndLevel,
    NotLevel,
    EqualityLevel,    // = <> IS IN LIKE BETWEEN
    RelationalLevel,  // < > <= >=
    AdditiveLevel,
    MultiplicativeLevel,
    UnaryLevel,
    PrimaryLevel,
};

constexpr int MaxNesting = 100;
constexpr size_t MaxTopDigits = 18;

// Words that end or join clauses: never a name unless written in [brackets].
constexpr std::string_view ReservedWords[]{
    "ALL",    "AND",    "AS",     "ASC",     "BETWEEN", "BY",    "DELETE", "DESC",  "DISTINCT",
    "DISTINCTROW",      "EXISTS", "FALSE",   "FROM",    "GROUP", "HAVING", "IN",    "INNER",
    "INSERT", "INTO",   "IS",     "JOIN",    "LEFT",    "LIKE",  "NOT",    "NULL",  "ON",
    "OR",     "ORDER",  "OUTER",  "RIGHT",   "SELECT",  "SET",   "TOP",    "UNION", "UPDATE",
    "VALUES", "WHERE"};

bool IsReserved(const JetToken& token)
{
    if (token.kind != JetToken::Kind::Name)
        return false;
    for (std::string_view word : ReservedWords)
        if (token.IsKeyword(word))
            return true;
    return false;
}

bool IsPlainIdentifier(std::string_view name)
{
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (name.empty() || !letter(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || digit(c); });
}

// The text between quote characters, a quote inside it doubled.
std::string Quoted(const std::string& text, char quote)
{
    std::string quoted(1, quote);
    for (char c : text) {
        quoted += c;
        if (c == quote)
            quoted += quote;
    }
    return quoted + quote;
}

// A name as SQLite must see it: quoted when Jet had it in brackets, when it is no
// plain identifier, or when SQLite reserves it (Row, Over and Filter are columns here).
std::string QuoteName(const std::string& name, bool bracketed)
{
    if (!bracketed && IsPlainIdentifier(name) && !sqlite3_keyword_check(name.data(), static_cast<int>(name.size())))
        return name;
    return Quoted(name, '"');
}

// Adds an item to a comma-separated list.
void Append(std::string& list, const std::string& item)
{
    list += (list.empty() ? "" : ", ") + item;
}

bool IsComparisonSymbol(const JetToken& token)
{
    static constexpr std::array<std::string_view, 6> symbols{"=", "<>", "<", ">", "<=", ">="};
    for (std::string_view symbol : symbols)
        if (token.IsSymbol(symbol))
            return true;
    return false;
}

}  // namespace

// A translated expression. Conditions (comparisons, AND, IS NULL ...) keep SQLite's
// plain form, so WHERE and ON clauses still use indexes; where Jet reads one as a
// number it is negated, since Jet's true is -1 and SQLite's 1.
struct JetTranslator::Expr {
    Expr(std::string text, int precedence = PrimaryLevel, bool condition = false)
        : text(std::move(text)), precedence(precedence), condition(condition)
    {
    }

    std::string text;
    int precedence = PrimaryLevel;
    bool condition = false;
    bool real = false;     // floating point for sure: no cast needed before "/"
    bool grouped = false;  // the text is one parenthesised group
    std::optional<std::string> outputName;  // the name Jet gives it as a select item

    std::string AsValue() const
    {
        if (!condition)
            return text;
        return grouped ? "-" + text : "-(" + text + ")";
    }

    int ValuePrecedence() const { return condition ? UnaryLevel : precedence; }

    // The value, in parentheses when its place binds tighter than it does.
    std::string ValueOperand(int placePrecedence) const
    {
        return ValuePrecedence() < placePrecedence ? "(" + AsValue() + ")" : AsValue();
    }

    std::string ConditionOperand(int placePrecedence) const
    {
        return precedence < placePrecedence ? "(" + text + ")" : text;
    }

    // Rewrites the text in place as the left operand at placePrecedence, only where it
    // needs a sign or parentheses: a chain of n operators then appends n times instead
    // of copying its growing text n times.
    void MakeValueOperand(int placePrecedence)
    {
        if (condition || precedence < placePrecedence)
            text = ValueOperand(placePrecedence);
    }
    void MakeConditionOperand(int placePrecedence)
    {
        if (precedence < placePrecedence)
            text = "(" + text + ")";
    }

    // Becomes "text op right", an operation of the given precedence.
    void Extend(std::string_view op, const std::string& right, int newPrecedence, bool isCondition)
    {
        text.append(" ").append(op).append(" ").append(right);
        precedence = newPrecedence;
        condition = isCondition;
        grouped = false;
        outputName.reset();
    }
};

struct JetTranslator::Select {
    std::string text;
    std::vector<std::string> outputNames;  // of the items that have one
    bool star = false;                     // an item is "*" or "table.*"
    bool unnamed = false;                  // an item is an expression without AS
};

class JetTranslator::Nesting {
public:
    explicit Nesting(JetTranslator& translator) : translator_(translator)
    {
        if (++translator_.depth_ > MaxNesting)
            translator_.Fail("the text is nested too deeply");
    }
    ~Nesting() { --translator_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

private:
    JetTranslator& translator_;
};

std::string JetTranslator::Translate(std::string_view jetSql)
{
    return JetTranslator(jetSql).Statement();
}

JetTranslator::JetTranslator(std::string_view jetSql) : text_(jetSql), tokens_(TokenizeJetSql(jetSql)) {}

// ---- statements ----

std::string JetTranslator::Statement()
{
    std::string sql;
    if (Peek().IsKeyword("SELECT"))
        sql = SelectStatement().text;
    else if (Peek().IsKeyword("INSERT"))
        sql = InsertStatement();
    else if (Peek().IsKeyword("UPDATE"))
        sql = UpdateStatement();
    else if (Peek().IsKeyword("DELETE"))
        sql = DeleteStatement();
    else
        Fail("a SELECT, INSERT, UPDATE or DELETE statement was expected");
    if (AcceptSymbol(";"))
        sql += ";";
    if (Peek().kind != JetToken::Kind::End)
        Fail("the statement should end here");
    return sql;
}

// Jet fills the columns of INSERT INTO t SELECT ... by the names of the select's output
// columns, not by position. The output names are the target's column names, so the
// SQLite text names them as the column list and SQLite needs no knowledge of the schema.
// A select of "*" keeps the source table's column order, so it stays positional.
std::string JetTranslator::InsertStatement()
{
    bool hasColumnList = false;
    std::string sql = InsertTarget(hasColumnList);
    if (AcceptKeyword("VALUES")) {
        ExpectSymbol("(");
        sql += " VALUES(" + ValueList() + ")";
        ExpectSymbol(")");
        return sql;
    }
    if (!Peek().IsKeyword("SELECT"))
        Fail("VALUES or SELECT was expected");
    const JetToken& selectToken = Peek();
    const Select select = SelectStatement();
    if (!hasColumnList && !select.star) {
        if (select.unnamed)
            FailAt(selectToken, "every output column of the SELECT needs a name (AS) to fill the table by");
        std::string columns;
        for (const std::string& name : select.outputNames)
            Append(columns, QuoteName(name, false));
        sql += "(" + columns + ")";
    }
    return sql + " " + select.text;
}

std::string JetTranslator::InsertTarget(bool& hasColumnList)
{
    ExpectKeyword("INSERT");
    ExpectKeyword("INTO");
    std::string sql = "INSERT INTO " + NameText(TakeName("a table name"));
    hasColumnList = AcceptSymbol("(");
    if (hasColumnList) {
        std::string columns;
        do {
            Append(columns, NameText(TakeName("a column name")));
        } while (AcceptSymbol(","));
        ExpectSymbol(")");
        sql += "(" + columns + ")";
    }
    return sql;
}

std::optional<JetLiteralInsert> JetTranslator::SplitLiteralInsert(std::string_view jetSql)
{
    // Most texts are no inserts: they are let go before tokenizing.
    const size_t start = jetSql.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || !JetToken{JetToken::Kind::Name, std::string(jetSql.substr(start, 6)), 0}.IsKeyword("INSERT"))
        return std::nullopt;
    try {
        return JetTranslator(jetSql).LiteralInsert();
    } catch (const EDatabaseError&) {
        return std::nullopt;
    }
}

std::optional<JetLiteralInsert> JetTranslator::LiteralInsert()
{
    JetLiteralInsert insert;
    bool hasColumnList = false;
    insert.sqliteSql = InsertTarget(hasColumnList);
    if (!AcceptKeyword("VALUES") || !AcceptSymbol("("))
        return std::nullopt;
    std::string parameters;
    do {
        std::optional<JetLiteral> value = Literal();
        if (!value)
            return std::nullopt;
        insert.values.push_back(std::move(*value));
        Append(parameters, "?" + std::to_string(insert.values.size()));
    } while (AcceptSymbol(","));
    if (!AcceptSymbol(")"))
        return std::nullopt;
    AcceptSymbol(";");
    if (Peek().kind != JetToken::Kind::End)
        return std::nullopt;
    insert.sqliteSql += " VALUES(" + parameters + ")";
    return insert;
}

// A number, a date, a text, True, False or Null, read as SQLite reads the literal the
// translation would write: a number without ".", "e" or "E" is an integer while it fits.
std::optional<JetLiteral> JetTranslator::Literal()
{
    JetLiteral literal;
    const bool negative = AcceptSymbol("-");
    const bool sign = negative || AcceptSymbol("+");
    const JetToken& token = Peek();
    if (token.kind == JetToken::Kind::Number || token.kind == JetToken::Kind::Date) {
        const std::string& text = Take().text;
        const char* first = text.data();
        const char* last = first + text.size();
        if (text.find_first_of(".eE") == std::string::npos) {
            const auto [end, error] = std::from_chars(first, last, literal.integer);
            if (error == std::errc() && end == last) {
                literal.kind = JetLiteral::Kind::Integer;
                literal.integer = negative ? -literal.integer : literal.integer;
                return literal;
            }
        }
        const auto [end, error] = std::from_chars(first, last, literal.real);
        if (error != std::errc() || end != last)
            return std::nullopt;
        literal.kind = JetLiteral::Kind::Real;
        literal.real = negative ? -literal.real : literal.real;
        return literal;
    }
    if (sign)
        return std::nullopt;
    if (token.kind == JetToken::Kind::String) {
        literal.kind = JetLiteral::Kind::Text;
        literal.text = Take().text;
        return literal;
    }
    if (AcceptKeyword("TRUE") || AcceptKeyword("FALSE")) {
        literal.kind = JetLiteral::Kind::Integer;
        literal.integer = tokens_[at_ - 1].IsKeyword("TRUE") ? -1 : 0;
        return literal;
    }
    if (AcceptKeyword("NULL"))
        return literal;
    return std::nullopt;
}

std::string JetTranslator::UpdateStatement()
{
    ExpectKeyword("UPDATE");
    std::string sql = "UPDATE " + NameText(TakeName("a table name"));
    ExpectKeyword("SET");
    std::string assignments;
    do {
        // SQLite takes a bare column name here, Jet also a qualified one.
        std::string column = NameText(TakeName("a column name"));
        if (AcceptSymbol("."))
            column = NameText(TakeName("a column name"));
        ExpectSymbol("=");
        Append(assignments, column + " = " + Expression().AsValue());
    } while (AcceptSymbol(","));
    sql += " SET " + assignments;
    if (AcceptKeyword("WHERE"))
        sql += " WHERE " + Expression().text;
    return sql;
}

std::string JetTranslator::DeleteStatement()
{
    ExpectKeyword("DELETE");
    if (AtStar())
        at_ += 3;
    else
        AcceptSymbol("*");
    ExpectKeyword("FROM");
    std::string sql = "DELETE FROM " + NameText(TakeName("a table name"));
    if (AcceptKeyword("WHERE"))
        sql += " WHERE " + Expression().text;
    return sql;
}

// ---- SELECT ----

JetTranslator::Select JetTranslator::SelectStatement()
{
    Nesting nesting(*this);
    ExpectKeyword("SELECT");
    Select select;
    select.text = "SELECT ";
    if (AcceptKeyword("DISTINCT"))
        select.text += "DISTINCT ";
    else
        AcceptKeyword("ALL");
    const std::string limit = AcceptKeyword("TOP") ? TopCount() : "";
    std::string items;
    do {
        Append(items, SelectItem(select));
    } while (AcceptSymbol(","));
    select.text += items;
    if (AcceptKeyword("FROM"))
        select.text += " FROM " + FromList();
    if (AcceptKeyword("WHERE"))
        select.text += " WHERE " + Expression().text;
    if (AcceptKeyword("GROUP")) {
        ExpectKeyword("BY");
        select.text += " GROUP BY " + ValueList();
    }
    if (AcceptKeyword("HAVING"))
        select.text += " HAVING " + Expression().text;
    if (AcceptKeyword("ORDER")) {
        ExpectKeyword("BY");
        select.text += " ORDER BY " + OrderByList();
    }
    // Jet's TOP n is SQLite's LIMIT n, which belongs after ORDER BY.
    if (!limit.empty())
        select.text += " LIMIT " + limit;
    return select;
}

std::string JetTranslator::TopCount()
{
    const JetToken& count = Peek();
    if (count.kind != JetToken::Kind::Number || count.text.size() > MaxTopDigits ||
        count.text.find_first_not_of("0123456789") != std::string::npos)
        Fail("TOP needs a whole number");
    Take();
    if (Peek().IsKeyword("PERCENT"))
        Fail("TOP ... PERCENT is not supported");
    return count.text;
}

std::string JetTranslator::SelectItem(Select& select)
{
    if (AcceptSymbol("*")) {
        select.star = true;
        return "*";
    }
    if (AtStar()) {
        const std::string table = NameText(Take());
        at_ += 2;
        select.star = true;
        return table + ".*";
    }
    const Expr value = Expression();
    std::string item = value.AsValue();
    std::optional<std::string> name = value.outputName;
    if (AcceptKeyword("AS")) {
        const JetToken& alias = TakeName("a column alias");
        item += " AS " + NameText(alias);
        name = alias.text;
    }
    if (name)
        select.outputNames.push_back(*name);
    else
        select.unnamed = true;
    return item;
}

std::string JetTranslator::FromList()
{
    std::string from;
    do {
        Append(from, JoinedTables());
    } while (AcceptSymbol(","));
    return from;
}

// Jet nests joins in parentheses, also on the right side of a join; SQLite reads the
// same shape, RIGHT JOIN included.
std::string JetTranslator::JoinedTables()
{
    std::string joined = TableOrGroup();
    while (true) {
        std::string kind;
        if (AcceptKeyword("INNER")) {
            kind = "INNER JOIN";
        } else if (AcceptKeyword("LEFT")) {
            AcceptKeyword("OUTER");
            kind = "LEFT JOIN";
        } else if (AcceptKeyword("RIGHT")) {
            AcceptKeyword("OUTER");
            kind = "RIGHT JOIN";
        } else {
            return joined;
        }
        ExpectKeyword("JOIN");
        const std::string right = TableOrGroup();
        ExpectKeyword("ON");
        joined += " " + kind + " " + right + " ON " + Expression().text;
    }
}

std::string JetTranslator::TableOrGroup()
{
    if (!Peek().IsSymbol("("))
        return TableWithAlias();
    Nesting nesting(*this);
    Take();
    std::string group;
    if (Peek().IsKeyword("SELECT")) {
        group = "(" + SelectStatement().text + ")";
        ExpectSymbol(")");
        if (AcceptKeyword("AS") || AtName())
            group += " AS " + NameText(TakeName("an alias"));
        return group;
    }
    group = "(" + JoinedTables() + ")";
    ExpectSymbol(")");
    return group;
}

std::string JetTranslator::TableWithAlias()
{
    std::string table = NameText(TakeName("a table name"));
    if (AcceptKeyword("AS") || AtName())
        table += " AS " + NameText(TakeName("an alias"));
    return table;
}

std::string JetTranslator::ValueList()
{
    std::string list;
    do {
        Append(list, Expression().AsValue());
    } while (AcceptSymbol(","));
    return list;
}

std::string JetTranslator::OrderByList()
{
    std::string list;
    do {
        std::string item = Expression().AsValue();
        if (AcceptKeyword("DESC"))
            item += " DESC";
        else if (AcceptKeyword("ASC"))
            item += " ASC";
        Append(list, item);
    } while (AcceptSymbol(","));
    return list;
}

// ---- expressions, loosest binding first ----

JetTranslator::Expr JetTranslator::Expression()
{
    Nesting nesting(*this);
    return Disjunction();
}

JetTranslator::Expr JetTranslator::Disjunction()
{
    return LogicalChain("OR", OrLevel, &JetTranslator::Conjunction);
}

JetTranslator::Expr JetTranslator::Conjunction()
{
    return LogicalChain("AND", AndLevel, &JetTranslator::Negation);
}

// operand {keyword operand}, for AND and OR.
JetTranslator::Expr JetTranslator::LogicalChain(std::string_view keyword, int level, Expr (JetTranslator::*operand)())
{
    Expr left = (this->*operand)();
    while (AcceptKeyword(keyword)) {
        const Expr right = (this->*operand)();
        left.MakeConditionOperand(level);
        left.Extend(keyword, right.ConditionOperand(level + 1), level, true);
        left.real = false;
    }
    return left;
}

JetTranslator::Expr JetTranslator::Negation()
{
    if (!AcceptKeyword("NOT"))
        return Comparison();
    Nesting nesting(*this);
    const Expr operand = Negation();
    return {"NOT " + operand.ConditionOperand(NotLevel), NotLevel, true};
}

// Jet compares left to right on one level, so a<b<0 compares the -1 or 0 of a<b with 0.
// Each further comparison puts the ones before it in parentheses, so a chain counts as
// nesting.
JetTranslator::Expr JetTranslator::Comparison()
{
    Expr left = Sum();
    for (int chained = 0;; ++chained) {
        if (chained > MaxNesting)
            Fail("the text is nested too deeply");
        if (IsComparisonSymbol(Peek())) {
            const std::string symbol = Take().text;
            const int precedence = (symbol == "=" || symbol == "<>") ? EqualityLevel : RelationalLevel;
            const Expr right = Sum();
            left = {left.ValueOperand(precedence) + " " + symbol + " " + right.ValueOperand(precedence + 1), precedence,
                    true};
        } else if (AcceptKeyword("IS")) {
            const bool negated = AcceptKeyword("NOT");
            ExpectKeyword("NULL");
            const std::string test = negated ? " IS NOT NULL" : " IS NULL";
            left = {left.ValueOperand(EqualityLevel + 1) + test, EqualityLevel, true};
        } else if (Peek().IsKeyword("NOT") &&
                   (Peek(1).IsKeyword("IN") || Peek(1).IsKeyword("BETWEEN") || Peek(1).IsKeyword("LIKE"))) {
            Take();
            left = ComparisonTail(left, true);
        } else if (Peek().IsKeyword("IN") || Peek().IsKeyword("BETWEEN") || Peek().IsKeyword("LIKE")) {
            left = ComparisonTail(left, false);
        } else {
            return left;
        }
    }
}

JetTranslator::Expr JetTranslator::ComparisonTail(const Expr& left, bool negated)
{
    std::string text = left.ValueOperand(EqualityLevel + 1) + (negated ? " NOT" : "");
    if (AcceptKeyword("IN")) {
        ExpectSymbol("(");
        text += " IN (" + (Peek().IsKeyword("SELECT") ? SelectStatement().text : ValueList()) + ")";
        ExpectSymbol(")");
    } else if (AcceptKeyword("BETWEEN")) {
        const Expr low = Sum();
        ExpectKeyword("AND");
        const Expr high = Sum();
        text += " BETWEEN " + low.ValueOperand(EqualityLevel + 1) + " AND " + high.ValueOperand(EqualityLevel + 1);
    } else {
        ExpectKeyword("LIKE");
        text += " LIKE " + Sum().ValueOperand(EqualityLevel + 1);
    }
    return {text, EqualityLevel, true};
}

JetTranslator::Expr JetTranslator::Sum()
{
    Expr left = Product();
    while (Peek().IsSymbol("+") || Peek().IsSymbol("-")) {
        const std::string symbol = Take().text;
        const Expr right = Product();
        left.MakeValueOperand(AdditiveLevel);
        left.Extend(symbol, right.ValueOperand(AdditiveLevel + 1), AdditiveLevel, false);
        left.real = left.real || right.real;
    }
    return left;
}

// Jet's "/" always divides as floating point; SQLite's divides integers as integers.
JetTranslator::Expr JetTranslator::Product()
{
    Expr left = Signed();
    while (Peek().IsSymbol("*") || Peek().IsSymbol("/")) {
        const bool divide = Take().text == "/";
        const Expr right = Signed();
        if (divide && !left.real)
            left.text = "CAST(" + left.AsValue() + " AS REAL)";
        else
            left.MakeValueOperand(MultiplicativeLevel);
        left.Extend(divide ? "/" : "*", right.ValueOperand(MultiplicativeLevel + 1), MultiplicativeLevel, false);
        left.real = divide || left.real || right.real;
    }
    return left;
}

JetTranslator::Expr JetTranslator::Signed()
{
    if (!Peek().IsSymbol("-") && !Peek().IsSymbol("+"))
        return Primary();
    Nesting nesting(*this);
    const std::string sign = Take().text;
    const Expr operand = Signed();
    std::string value = operand.ValueOperand(UnaryLevel);
    // "--" would open an SQL comment.
    if (value[0] == '-' || value[0] == '+')
        value = "(" + value + ")";
    Expr result{sign + value, UnaryLevel};
    result.real = operand.real;
    return result;
}

JetTranslator::Expr JetTranslator::Primary()
{
    const JetToken& token = Peek();
    switch (token.kind) {
    case JetToken::Kind::Number:
    case JetToken::Kind::Date: {
        Expr number{Take().text};
        number.real = number.text.find_first_of(".eE") != std::string::npos;
        return number;
    }
    case JetToken::Kind::String:
        return {Quoted(Take().text, '\'')};
    case JetToken::Kind::QuotedName:
        return ColumnReference();
    case JetToken::Kind::Symbol:
        if (token.IsSymbol("("))
            return Parenthesised();
        break;
    case JetToken::Kind::Name:
        if (AcceptKeyword("TRUE"))
            return {"-1"};
        if (AcceptKeyword("FALSE"))
            return {"0"};
        if (AcceptKeyword("NULL"))
            return {"NULL"};
        if (AcceptKeyword("EXISTS")) {
            ExpectSymbol("(");
            Expr exists{"EXISTS (" + SelectStatement().text + ")", PrimaryLevel, true};
            ExpectSymbol(")");
            return exists;
        }
        // Left( and Right( are Jet's text functions, not joins (SQLite has neither).
        if (Peek(1).IsSymbol("(") && (!IsReserved(token) || token.IsKeyword("LEFT") || token.IsKeyword("RIGHT")))
            return FunctionCall();
        if (!IsReserved(token))
            return ColumnReference();
        break;
    case JetToken::Kind::End:
        break;
    }
    Fail("a value was expected");
}

JetTranslator::Expr JetTranslator::Parenthesised()
{
    ExpectSymbol("(");
    if (Peek().IsKeyword("SELECT")) {
        Expr subquery{"(" + SelectStatement().text + ")"};
        ExpectSymbol(")");
        return subquery;
    }
    const Expr inner = Expression();
    ExpectSymbol(")");
    Expr group{"(" + inner.text + ")", PrimaryLevel, inner.condition};
    group.real = inner.real;
    group.grouped = true;
    return group;
}

// IsNull and IIF become plain SQL so that they keep SQLite's NULL rules and indexes;
// Round, Date and Now call the functions registered by RegisterJetFunctions.
JetTranslator::Expr JetTranslator::FunctionCall()
{
    const JetToken& nameToken = Take();
    ExpectSymbol("(");
    std::vector<Expr> arguments;
    bool star = false;
    if (Peek().IsSymbol("*") && Peek(1).IsSymbol(")")) {
        Take();
        star = true;
    } else if (!Peek().IsSymbol(")")) {
        do {
            arguments.push_back(Expression());
        } while (AcceptSymbol(","));
    }
    ExpectSymbol(")");
    auto requireArguments = [&](size_t low, size_t high) {
        if (star || arguments.size() < low || arguments.size() > high) {
            const std::string count = std::to_string(low) + (low == high ? "" : " or " + std::to_string(high));
            FailAt(nameToken, nameToken.text + " takes " + count + " argument(s)");
        }
    };
    if (nameToken.IsKeyword("IsNull")) {
        requireArguments(1, 1);
        return {arguments[0].ValueOperand(EqualityLevel + 1) + " IS NULL", EqualityLevel, true};
    }
    if (nameToken.IsKeyword("IIF")) {
        requireArguments(3, 3);
        return {"CASE WHEN " + arguments[0].text + " THEN " + arguments[1].AsValue() + " ELSE " +
                arguments[2].AsValue() + " END"};
    }
    const bool clock = nameToken.IsKeyword("Date") || nameToken.IsKeyword("Now");
    std::string called = nameToken.text;
    // SQLite cannot parse a call of a name it reads as a keyword; Replace is its function too.
    if (sqlite3_keyword_check(called.data(), static_cast<int>(called.size())) && !nameToken.IsKeyword("Replace"))
        FailAt(nameToken, "SQLite has no function " + called);
    if (nameToken.IsKeyword("Round")) {
        requireArguments(1, 2);
        called = "JetRound";
    } else if (clock) {
        requireArguments(0, 0);
        called = nameToken.IsKeyword("Date") ? "JetDate" : "JetNow";
    }
    std::string list = star ? "*" : "";
    for (const Expr& argument : arguments)
        Append(list, argument.AsValue());
    Expr call{called + "(" + list + ")"};
    call.real = clock;
    return call;
}

JetTranslator::Expr JetTranslator::ColumnReference()
{
    const JetToken* column = &TakeName("a column name");
    std::string text = NameText(*column);
    if (AcceptSymbol(".")) {
        if (Peek().kind != JetToken::Kind::Name && Peek().kind != JetToken::Kind::QuotedName)
            Fail("a column name was expected");
        column = &Take();
        text += "." + NameText(*column);
    }
    Expr reference{text};
    reference.outputName = column->text;
    return reference;
}

// ---- tokens ----

std::string JetTranslator::NameText(const JetToken& name) const
{
    return QuoteName(name.text, name.kind == JetToken::Kind::QuotedName);
}

const JetToken& JetTranslator::TakeName(const char* what)
{
    if (!AtName())
        Fail(std::string(what) + " was expected");
    return Take();
}

bool JetTranslator::AtName() const
{
    const JetToken& token = Peek();
    return token.kind == JetToken::Kind::QuotedName || (token.kind == JetToken::Kind::Name && !IsReserved(token));
}

// At "name.*".
bool JetTranslator::AtStar() const
{
    return AtName() && Peek(1).IsSymbol(".") && Peek(2).IsSymbol("*");
}

const JetToken& JetTranslator::Peek(size_t ahead) const
{
    return tokens_[std::min(at_ + ahead, tokens_.size() - 1)];
}

const JetToken& JetTranslator::Take()
{
    const JetToken& token = Peek();
    if (at_ < tokens_.size() - 1)
        ++at_;
    return token;
}

bool JetTranslator::AcceptKeyword(std::string_view keyword)
{
    if (!Peek().IsKeyword(keyword))
        return false;
    Take();
    return true;
}

bool JetTranslator::AcceptSymbol(std::string_view symbol)
{
    if (!Peek().IsSymbol(symbol))
        return false;
    Take();
    return true;
}

void JetTranslator::ExpectKeyword(std::string_view keyword)
{
    if (!AcceptKeyword(keyword))
        Fail(std::string(keyword) + " was expected");
}

void JetTranslator::ExpectSymbol(std::string_view symbol)
{
    if (!AcceptSymbol(symbol))
        Fail("\"" + std::string(symbol) + "\" was expected");
}

void JetTranslator::Fail(const std::string& what) const
{
    FailAt(Peek(), what);
}

void JetTranslator::FailAt(const JetToken& token, const std::string& what) const
{
    ThrowJetSqlError(text_, token.position, what);
}
