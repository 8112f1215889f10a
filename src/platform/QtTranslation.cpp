#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Qt's translation writes undo as 撤消, a form the school books have given up
// for 撤销.
class StandardWords final : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        QString words = QTranslator::translate(context, sourceText, disambiguation, n);
        return words.replace(QStringLiteral("撤消"), QStringLiteral("撤销"));
    }
};

}  // namespace

namespace QtTranslation {

void InstallChinese(QCoreApplication& application)
{
    // Named outright rather than chosen by the system's locale: the program
    // is Chinese only, also for a parent whose desktop speaks English.
    auto* translator = new StandardWords(&application);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace QtTranslation
