// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <string>

namespace quantora {

namespace {

// Where Qt's own translations are: beside a Windows program, which carries its
// own; the system's Qt translations elsewhere.
QString qtTranslationsFolder()
{
#ifdef Q_OS_WIN
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
#else
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

// The translators in use, removed when another language is installed.
std::unique_ptr<QTranslator> programTexts;
std::unique_ptr<QTranslator> qtTexts;

} // namespace

QString installTranslations(const QLocale &locale)
{
    for (auto *installed : {&programTexts, &qtTexts}) {
        if (*installed)
            QCoreApplication::removeTranslator(installed->get());
        installed->reset();
    }
    // Only the one language needed is read, from the program's own resources.
    auto program = std::make_unique<QTranslator>();
    if (!program->load(locale, QStringLiteral("quantora"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return {};
    QCoreApplication::installTranslator(program.get());
    programTexts = std::move(program);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), qtTranslationsFolder())) {
        QCoreApplication::installTranslator(qt.get());
        qtTexts = std::move(qt);
    }
    return programTexts->language();
}

QString catalogueText(const char *context, const std::string &text)
{
    return QCoreApplication::translate(context, text.c_str());
}

} // namespace quantora
