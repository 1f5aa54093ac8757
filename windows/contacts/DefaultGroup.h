#pragma once
// The default group: stored as "Friends" in every language, so that a book and its backups
// keep it across a change of language, and shown under the current language's name.
#include <string>

// The name the tables hold for a group shown as `shownName`: the default group's shown name
// (exactly) is stored as "Friends"; any other name as it is.
std::string StoredGroupName(const std::string& shownName);

// The name the tree shows for a group stored as `storedName`: "Friends" under the current
// language's name of the default group; any other name as it is.
std::string ShownGroupName(const std::string& storedName);
