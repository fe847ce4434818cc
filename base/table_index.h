#pragma once
// Positions of a table's records by their key, so that a drawing with
// thousands of dash patterns, font families or symbols is not scanned record
// by record for every addition and every lookup.
#include <string>
#include <string_view>
#include <unordered_map>

class CTableIndex {
public:
    // Position of the first record whose key (keyOf(record)) is key, or -1.
    // The tables are plain vectors that others may clear or shorten, so the
    // index is rebuilt whenever the table's size is not the one it knows.
    template <class Table, class KeyOf>
    long Find(const Table& table, KeyOf keyOf, std::string_view key) {
        if (m_nIndexed != table.size()) Rebuild(table, keyOf);
        const auto found = m_positions.find(std::string(key));
        return found == m_positions.end() ? -1 : long(found->second);
    }
    // Call right after appending the record with this key to an indexed table.
    void Added(std::string_view key) {
        m_positions.emplace(std::string(key), m_nIndexed);
        ++m_nIndexed;
    }

private:
    template <class Table, class KeyOf>
    void Rebuild(const Table& table, KeyOf keyOf) {
        m_positions.clear();
        for (size_t i = 0; i < table.size(); ++i) m_positions.emplace(keyOf(table[i]), i);
        m_nIndexed = table.size();
    }

    std::unordered_map<std::string, size_t> m_positions;
    size_t m_nIndexed = 0;
};
