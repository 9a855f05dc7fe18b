#include "i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace vamok {
namespace {

// Three-letter codes translators give their language files.
constexpr std::array<std::pair<const char*, const char*>, 16> kCodes{{
    {"ENG", "en"}, {"DEU", "de"}, {"GER", "de"}, {"FRA", "fr"}, {"FRE", "fr"}, {"ITA", "it"},
    {"ESP", "es"}, {"SPA", "es"}, {"NLD", "nl"}, {"DUT", "nl"}, {"POL", "pl"}, {"CES", "cs"},
    {"CZE", "cs"}, {"DAN", "da"}, {"SWE", "sv"}, {"POR", "pt"},
}};

const QString kTranslatorName = QStringLiteral("QtOwnTexts");

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool IsLocaleName(const std::string& code)
{
    const auto isAlpha = [](unsigned char c) { return std::isalpha(c) != 0; };
    if (code.size() == 2)
        return std::all_of(code.begin(), code.end(), isAlpha);
    return code.size() == 5 && code[2] == '_' && isAlpha(code[0]) && isAlpha(code[1]) && isAlpha(code[3]) &&
           isAlpha(code[4]);
}

} // namespace

std::string QtLocaleForLanguage(const std::string& languageCode)
{
    const std::string upper = Upper(languageCode);
    if (upper.empty() || upper == "ORGINAL(DEUTSCH)")
        return "de";
    for (const auto& [code, locale] : kCodes) {
        if (upper == code)
            return locale;
    }
    if (!IsLocaleName(languageCode))
        return {};
    const QLocale locale(QString::fromLatin1(languageCode.c_str()));
    if (locale.language() == QLocale::C)
        return {};
    return locale.name().toStdString();
}

bool InstallQtTranslations(const std::string& languageCode)
{
    // Owned by the application; a later call replaces it.
    QCoreApplication* app = QCoreApplication::instance();
    delete app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    const std::string locale = QtLocaleForLanguage(languageCode);
    if (locale.empty())
        return false;
    if (locale == "en" || locale.rfind("en_", 0) == 0)
        return true; // Qt's own texts are English
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(QString::fromStdString("qtbase_" + locale),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace vamok
