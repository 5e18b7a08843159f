#pragma once
// The program's texts in the user's language: its own translations (built into the program
// under :/i18n) and Qt's for its dialogs, chosen by the user's interface languages (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG). English needs none: the texts are written in it.
#include <QCoreApplication>

// Installs the translations of the first of the user's languages that has them; false
// when the program's own has none (English, or a language not translated).
bool installTranslations(QCoreApplication& application);
