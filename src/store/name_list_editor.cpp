#include "store/name_list_editor.h"

#include "platform/prompts.h"

namespace {

// The texts of one list.
struct ListTexts {
    const char* addPrompt;
    const char* renamePrompt;
    const char* emptyName;
    const char* refusal; // follows the count and the name
    const char* confirmDelete;
};

ListTexts textsOf(NameList list) {
    if (list == NameList::Areas) {
        return {"新小区名:", "小区名:", "小区名不能为空！", "记录,您不能删除小区",
                "您是否确定删除小区："};
    }
    return {"新经办人:", "经办人:", "经办人名不能为空！", "记录,您不能删除经纪人",
            "您是否确定删除经办人："};
}

} // namespace

NameListEditor::NameListEditor(CustomerStore& store, Prompts& prompts, NameList list)
    : store_(store), prompts_(prompts), list_(list) {}

void NameListEditor::load() {
    entries_ = store_.names(list_);
}

std::optional<QString> NameListEditor::askName(const char* prompt, const QString& current) {
    // The answer comes trimmed, so surrounding spaces never make a name new.
    const std::optional<QString> name =
        prompts_.inputText(QStringLiteral("输入"), QString::fromUtf8(prompt), current);
    if (name && name->isEmpty()) {
        prompts_.message(QString::fromUtf8(textsOf(list_).emptyName));
        return std::nullopt;
    }
    return name;
}

bool NameListEditor::add() {
    const std::optional<QString> name = askName(textsOf(list_).addPrompt, QString());
    if (!name) {
        return false;
    }
    if (store_.nameId(list_, *name) >= 0) {
        prompts_.message(*name + QStringLiteral(" 已经存在."));
        return false;
    }
    entries_.push_back({store_.addName(list_, *name), *name});
    return true;
}

bool NameListEditor::rename(int index) {
    if (index < 0 || index >= int(entries_.size())) {
        return false;
    }
    NamedEntry& entry = entries_[std::size_t(index)];
    const std::optional<QString> name = askName(textsOf(list_).renamePrompt, entry.name);
    if (!name) {
        return false;
    }
    // Customers refer to the entry by id, so they follow the new name.
    store_.renameEntry(list_, entry.id, *name);
    entry.name = *name;
    return true;
}

bool NameListEditor::remove(int index) {
    if (index < 0 || index >= int(entries_.size())) {
        return false;
    }
    const NamedEntry entry = entries_[std::size_t(index)];
    const ListTexts texts = textsOf(list_);
    const int users = store_.customersUsing(list_, entry.id);
    if (users > 0) {
        prompts_.message(QStringLiteral("客户库中有%1条 ").arg(users) + entry.name +
                         QString::fromUtf8(texts.refusal));
        return false;
    }
    if (!prompts_.confirm(QString::fromUtf8(texts.confirmDelete) + entry.name +
                          QStringLiteral("？"))) {
        return false;
    }
    store_.deleteEntry(list_, entry.id);
    entries_.erase(entries_.begin() + index);
    return true;
}
