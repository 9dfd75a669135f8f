#include "platform/jetsqlcache.h"

JetSqlCache::JetSqlCache(size_t generationSize) : generationSize_(generationSize) {}

std::optional<std::string> JetSqlCache::Find(const std::string& jetSql)
{
    if (const auto hit = recent_.find(jetSql); hit != recent_.end())
        return hit->second;
    const auto hit = older_.find(jetSql);
    if (hit == older_.end())
        return std::nullopt;
    std::string sqliteSql = std::move(hit->second);
    older_.erase(hit);
    Store(jetSql, sqliteSql);
    return sqliteSql;
}

void JetSqlCache::Store(const std::string& jetSql, const std::string& sqliteSql)
{
    if (recent_.size() >= generationSize_) {
        older_ = std::move(recent_);
        recent_.clear();
    }
    recent_.insert_or_assign(jetSql, sqliteSql);
}
