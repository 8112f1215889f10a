#pragma once

class QCoreApplication;

// Qt's own words, the OK of a message box and the 撤销, 复制, 粘贴 of a text
// box's menu, in Simplified Chinese like every other word of the program,
// whatever language the system speaks.
namespace QtTranslation {

// Loads Qt's Chinese translation from where Qt keeps its translations.
// Without it (the translations are a package of their own) Qt's words stay
// English and the program runs all the same.
void InstallChinese(QCoreApplication& application);

}  // namespace QtTranslation
