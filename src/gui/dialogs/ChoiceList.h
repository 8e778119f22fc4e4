#pragma once
// A drop-down list of a table's rows: each entry carries its row's stored id
// as its data, so that what is stored never depends on the entry's place.

#include <QComboBox>
#include <QVariant>

#include <cstdint>

#include "texts/Translations.h"

// A text of the option tables (model/OptionTables.h) as the user reads it:
// the tables mark their texts in the context "OptionTables".
inline QString TableText(const char* text, const char* note = nullptr) {
    return text ? Translate("OptionTables", text, note) : QString();
}

// Appends an entry per row: textOf(row) shown in the user's language, row.id kept.
template <class Rows, class TextOf>
void FillChoices(QComboBox* list, const Rows& rows, TextOf textOf) {
    for (const auto& row : rows) list->addItem(TableText(textOf(row)), QVariant(row.id));
}

// The same for rows whose texts may carry a disambiguation (NamedChoice).
template <class Rows>
void FillNamedChoices(QComboBox* list, const Rows& rows) {
    for (const auto& row : rows) list->addItem(TableText(row.text, row.textNote), QVariant(row.id));
}

// Selects the entry of that id; no entry for an id no row has.
inline void SelectChoice(QComboBox* list, int32_t id) {
    list->setCurrentIndex(list->findData(QVariant(id)));
}

// The id of the selected entry; whenNone when no entry is selected.
inline int32_t ChosenId(const QComboBox* list, int32_t whenNone) {
    const QVariant data = list->currentData();
    return data.isValid() ? data.toInt() : whenNone;
}
