// The settings file must stay QSettings' own format: what QSettings wrote
// reads back here, what is written here QSettings reads, and a fresh file
// comes out byte for byte as QSettings writes it.
#include "core/SettingsIniFile.h"

#include "support/TempDir.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

QString AllCodePageCharacters()
{
    QString text;
    for (int b = 1; b < 256; ++b)
        text += QChar(b);
    return text;
}

const std::vector<std::pair<QString, QString>> kValues = {
    {"SOFTWARE/QAL/Vamok/1.2/CommPort", "COM3"},
    {"SOFTWARE/QAL/Vamok/1.2/RixUSB", "1"},
    {"SOFTWARE/QAL/Vamok/1.2/Empty", ""},
    {"SOFTWARE/QAL/Vamok/1.2/UserPath", QString::fromUtf8("C:\\Dokumente\\Büro €; \"x\", =y\\")},
    {"SOFTWARE/QAL/Vamok/1.2/All", AllCodePageCharacters()},
    {"SOFTWARE/QAL/Vamok/1.2/At", "@Invalid()"},
    {"SOFTWARE/QAL/Vamok/1.2/AtAt", "@@x"},
    {"SOFTWARE/QAL/Vamok/1.2/Blanks", "  both ends  "},
    {"SOFTWARE/QAL/Vamok/1.2/HexAfterControl", QString("\x01" "a\x1f" "F9") + QChar(0) + "1"},
    {"SOFTWARE/QAL/Vamok/1.2/Wide", QString::fromUtf8("Ωmega 漢字 \U0001F600")},
    {"SOFTWARE/QAL/Vamok/1.2/Sprache/Sprache", "Eng"},
    {"SOFTWARE/QAL/Vamok/1.2/Key with blank", "v"},
    {"Top", "general value"},
    {"General/x", "a section named General"},
};

std::string ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WriteAll(const QString& path, const std::string& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

} // namespace

TEST(SettingsIniFile, WritesFreshFilesByteForByteAsQSettings)
{
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("qt.ini"));
    {
        QSettings qt(path, QSettings::IniFormat);
        for (const auto& [key, value] : kValues)
            qt.setValue(key, value);
    }
    SettingsIniFile ours;
    for (const auto& [key, value] : kValues)
        ours.setValue(key, value);
    EXPECT_EQ(ours.toBytes(), ReadAll(path));
}

TEST(SettingsIniFile, QSettingsReadsWhatIsWrittenAndTheOtherWayRound)
{
    TempDir dir;
    const QString qtPath = QString::fromStdString(dir.file("qt.ini"));
    const QString ourPath = QString::fromStdString(dir.file("ours.ini"));
    {
        QSettings qt(qtPath, QSettings::IniFormat);
        for (const auto& [key, value] : kValues)
            qt.setValue(key, value);
    }
    SettingsIniFile ours;
    for (const auto& [key, value] : kValues)
        ours.setValue(key, value);
    WriteAll(ourPath, ours.toBytes());

    const SettingsIniFile fromQt = SettingsIniFile::FromBytes(ReadAll(qtPath));
    QSettings qtReading(ourPath, QSettings::IniFormat);
    for (const auto& [key, value] : kValues) {
        SCOPED_TRACE(key.toStdString());
        EXPECT_EQ(fromQt.value(key), value);
        EXPECT_EQ(qtReading.value(key).toString(), value);
    }
    EXPECT_EQ(qtReading.allKeys().size(), static_cast<qsizetype>(kValues.size()));
}

TEST(SettingsIniFile, HandWrittenFormsReadAsQSettingsReadsThem)
{
    // Forms QSettings accepts but never writes.
    const std::string file = "\xEF\xBB\xBF" "top=1\n"
                             "[S]\n"
                             "list=x,y\n"
                             "invalid=@Invalid()\n"
                             "string=@String(zz)\n"
                             "bytes=@ByteArray(bb)\n"
                             "variant=@Variant(\\0\\0\\0\\x7f)\n"
                             "other=@foo\n"
                             "quotedThenPlain= \"q\" r \n"
                             "comment=a;comment\n"
                             "; a=commented out\n"
                             "multi=\"two\nlines\"\n"
                             "joined=con\\\ntinued\n"
                             "  spaced  =  value  \n"
                             "octal=\\101\\102\n"
                             "noEquals\n"
                             "later=first\n"
                             "[S]\n"
                             "later=second\n"
                             "[%General]\n"
                             "k=in General\n";
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("hand.ini"));
    WriteAll(path, file);
    QSettings qt(path, QSettings::IniFormat);
    const SettingsIniFile ours = SettingsIniFile::FromBytes(file);
    QStringList keys = qt.allKeys();
    keys << "S/a" << "S/missing";
    for (const QString& key : keys) {
        SCOPED_TRACE(key.toStdString());
        const QVariant expected = qt.value(key);
        const bool text = expected.isValid() && expected.metaType().id() != QMetaType::QVariantList;
        if (text || expected.metaType().id() == QMetaType::QStringList)
            EXPECT_EQ(ours.value(key), expected.toString());
        else
            EXPECT_EQ(ours.value(key), std::nullopt);
    }
    EXPECT_EQ(ours.value("S/later"), "second");
    EXPECT_EQ(ours.value("General/k"), "in General");
}

TEST(SettingsIniFile, ChangingOneValueKeepsEveryOtherAsQSettingsReadsIt)
{
    const std::string file = "[General]\ntop=1\n\n[Other]\npoint=@Point(1 2)\nlist=a, b\n\n"
                             "[SOFTWARE]\nQAL\\Vamok\\1.2\\CommPort=COM1\n; note\nQAL\\Vamok\\1.2\\Z=\"q;\"\n";
    TempDir dir;
    const QString before = QString::fromStdString(dir.file("before.ini"));
    const QString after = QString::fromStdString(dir.file("after.ini"));
    WriteAll(before, file);
    SettingsIniFile ours = SettingsIniFile::FromBytes(file);
    ours.setValue("SOFTWARE/QAL/Vamok/1.2/CommPort", "COM7");
    ours.setValue("SOFTWARE/QAL/Vamok/1.2/New", "n");
    ours.remove("SOFTWARE/QAL/Vamok/1.2/Z");
    WriteAll(after, ours.toBytes());

    QSettings old(before, QSettings::IniFormat);
    QSettings now(after, QSettings::IniFormat);
    QStringList expectedKeys = old.allKeys();
    expectedKeys.removeAll("SOFTWARE/QAL/Vamok/1.2/Z");
    expectedKeys << "SOFTWARE/QAL/Vamok/1.2/New";
    expectedKeys.sort();
    QStringList keys = now.allKeys();
    keys.sort();
    EXPECT_EQ(keys, expectedKeys);
    for (const char* key : {"top", "Other/point", "Other/list"})
        EXPECT_EQ(now.value(key), old.value(key)) << key;
    EXPECT_EQ(now.value("SOFTWARE/QAL/Vamok/1.2/CommPort").toString(), "COM7");
    EXPECT_EQ(now.value("SOFTWARE/QAL/Vamok/1.2/New").toString(), "n");
}
