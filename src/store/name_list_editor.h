#pragma once

#include "store/customer_store.h"

#include <optional>
#include <vector>

class Prompts;

// One tab of "数据设置": the entries of the area or handler list and the commands that
// add, rename and delete them, with their questions and refusals. Engine errors are
// thrown (DatabaseError) and end the command.
class NameListEditor {
public:
    NameListEditor(CustomerStore& store, Prompts& prompts, NameList list);

    // Reads the list again.
    void load();
    const std::vector<NamedEntry>& entries() const { return entries_; }

    // Each returns whether the list changed. An index outside the list does nothing.
    bool add();
    bool rename(int index);
    bool remove(int index);

private:
    // The name asked for; nothing on "取消" or an empty answer (which has been refused).
    std::optional<QString> askName(const char* prompt, const QString& current);

    CustomerStore& store_;
    Prompts& prompts_;
    NameList list_;
    std::vector<NamedEntry> entries_;
};
