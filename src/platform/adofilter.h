#pragma once

#include <string>
#include <string_view>
#include <vector>

// An ADO filter expression: conditions `Column='text'` or `Column LIKE 'pattern'`
// joined by AND. Inside a text a quote is doubled; in a pattern "*" and "%" stand for
// any run of characters. Texts compare without regard to letter case, Cyrillic too.
class TADOFilter {
public:
    // Blank text is the empty filter; other text it cannot read raises EDatabaseError.
    explicit TADOFilter(std::string_view text);

    bool Empty() const { return conditions_.empty(); }
    std::size_t ConditionCount() const { return conditions_.size(); }
    const std::string& Column(std::size_t condition) const { return conditions_[condition].column; }
    // Whether a row whose column holds this text passes the condition.
    bool Matches(std::size_t condition, std::string_view value) const;

private:
    struct Condition {
        std::string column;
        bool like = false;
        std::u16string folded;  // the text or pattern, case-folded
    };

    std::vector<Condition> conditions_;
};
