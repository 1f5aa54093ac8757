#pragma once
// Table History on the program's database (g_database): one row per call shown in the
// history list, keyed by its history text. Every value is bound to its statement, so a text
// holding a quote is stored as it is.
#include <string>
#include <vector>

// Stores a row; false when it was refused (a history text stored already, a closed or
// broken database), and then the table is as it was.
bool InsertHistoryRow(const std::string& history, const std::string& number, int callType);

// Deletes the rows of these keys in one transaction, all or none: false when one
// was refused, and then the table is as it was. No keys: true.
bool DeleteHistoryRows(const std::vector<std::string>& keys);

// A stored row as the list loads it.
struct HistoryRow {
    const char* history = nullptr;   // never null
    const char* number = nullptr;    // never null
    int callType = 0;
};
// Calls `visit` with every stored row, the last stored first; a visit that answers false
// stops the read. False when the table could not be read (or a visit stopped it).
using HistoryRowVisitor = bool (*)(void* argument, const HistoryRow& row);
bool ReadHistoryRows(HistoryRowVisitor visit, void* argument);
