#pragma once

#include <optional>
#include <string>
#include <unordered_map>

// Remembers translations by their Jet text. The program sends the same select texts
// again and again, but update files and rating runs send thousands of one-off
// statements, so the cache is bounded: two generations, the older one dropped whole
// when the newer fills up, and a hit in the older one moving back to the newer.
class JetSqlCache {
public:
    explicit JetSqlCache(size_t generationSize);

    std::optional<std::string> Find(const std::string& jetSql);
    void Store(const std::string& jetSql, const std::string& sqliteSql);

private:
    size_t generationSize_;
    std::unordered_map<std::string, std::string> recent_;
    std::unordered_map<std::string, std::string> older_;
};
