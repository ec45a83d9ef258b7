#include "app/global_state.h"
#include "app/haupt.h"
#include "app/language.h"
#include "tests/ui/modal_script.h"
#include "ui/daten.h"
#include "ui/hilfe_dialog.h"
#include "ui/meldung_dialog.h"
#include "ui/picture_button.h"
#include "ui/stat_info_dialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

enum class Viewer { Help, Stat };

// The focused control once the viewer is the active window, as when a person types.
QWidget* Focused(TRichTextViewer* v) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(v));
    return QApplication::focusWidget();
}

// Types a key to the focused control, which is always the hidden button.
void TypeKey(TRichTextViewer* v, Qt::Key key) {
    QWidget* focus = Focused(v);
    EXPECT_EQ(focus, v->helpbutton);
    QTest::keyClick(focus ? focus : v, key);
}

// Both viewers over a data folder of the test's own.
class Viewers : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data.isValid());
        savedGlobal = globalState();
        savedLanguage = languageState().language;
        languageState().language = German;
        globalState().dataFolder = data.path() + QDir::separator();
        globalState().userDataFolder = "/home/someone/Documents/Velmora/Zavor/Daten/";
    }
    void TearDown() override {
        globalState() = savedGlobal;
        languageState().language = savedLanguage;
    }
    void Write(const QString& name, const QByteArray& text) {
        QFile f(data.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 " + text + "\\par}");
    }
    TRichTextViewer& viewer(Viewer v) {
        return v == Viewer::Help ? static_cast<TRichTextViewer&>(help) : static_cast<TRichTextViewer&>(stat);
    }
    // Shows a viewer modally, runs `step` in it and returns the result.
    int Run(Viewer v, std::function<void(TRichTextViewer*)> step) {
        ModalScript script;
        script.on<TRichTextViewer>(step);
        const int result = viewer(v).exec();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(", ").toStdString();
        return result;
    }

    QTemporaryDir data;
    GlobalState savedGlobal;
    int savedLanguage = German;
    TDaten daten;
    TMeldungDialog box;
    THilfeDialog help;
    TStatInfoDialog stat;
};

TEST_F(Viewers, Geometry) {
    EXPECT_EQ(help.size(), QSize(676, 531));
    EXPECT_EQ(help.ppp->geometry(), QRect(23, 47, 630, 460));
    EXPECT_EQ(help.RichEdit->geometry(), QRect(21, 23, 588, 386));
    EXPECT_EQ(help.okbutton->geometry(), QRect(246, 417, 138, 34));
    EXPECT_EQ(help.VersionLabel->geometry(), QRect(400, 423, 208, 23));
    EXPECT_EQ(help.VersionLabel->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(help.VersionLabel->font().pixelSize(), 12);
    EXPECT_EQ(stat.size(), QSize(846, 671));
    EXPECT_EQ(stat.ppp->geometry(), QRect(23, 47, 800, 600));
    EXPECT_EQ(stat.RichEdit->geometry(), QRect(22, 20, 756, 523));
    EXPECT_EQ(stat.okbutton->geometry(), QRect(334, 557, 138, 34));
    for (TRichTextViewer* v : {static_cast<TRichTextViewer*>(&help), static_cast<TRichTextViewer*>(&stat)}) {
        EXPECT_EQ(v->helpbutton->geometry(), QRect(38, 31, 67, 41));
        // The hidden button lies under the text area.
        QWidget* atButton = v->ppp->childAt(60, 50);
        EXPECT_TRUE(atButton == v->RichEdit || v->RichEdit->isAncestorOf(atButton));
        EXPECT_EQ(v->okbutton->font().pixelSize(), 13);
        EXPECT_EQ(v->RichEdit->palette().color(QPalette::Base), QColor(215, 250, 240));
    }
}

struct DocumentCase {
    Viewer viewer;
    int language;
    const char* shows; // plain text of the document shown, "" for none
    const char* caption;
    const char* close;
};

class ViewerDocument : public Viewers, public ::testing::WithParamInterface<DocumentCase> {};

TEST_P(ViewerDocument, ByLanguage) {
    const DocumentCase& c = GetParam();
    Write("hilfe.rtf", "Deutsche Hilfe");
    Write("ehilfe.rtf", "English help");
    Write("stat.rtf", "Statistik");
    languageState().language = c.language;
    TRichTextViewer& v = viewer(c.viewer);
    QString text, caption, close;
    Run(c.viewer, [&](TRichTextViewer* shown) {
        text = shown->RichEdit->toPlainText();
        caption = shown->windowTitle();
        close = shown->okbutton->text();
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    EXPECT_EQ(text, QString::fromUtf8(c.shows));
    EXPECT_EQ(caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(close, QString::fromUtf8(c.close));
    EXPECT_EQ(v.pos(), QPoint((1024 - v.width()) / 2, (768 - v.height()) / 2));
    if (c.viewer == Viewer::Help) {
        EXPECT_EQ(help.VersionLabel->text(), "Release: 06.10.2009");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewerDocument,
    ::testing::Values(DocumentCase{Viewer::Help, German, "Deutsche Hilfe", "Hilfe", "Schließen"},
                      DocumentCase{Viewer::Help, English, "English help", "Help", "Close"},
                      // any other language loads nothing and changes nothing
                      DocumentCase{Viewer::Help, 3, "", "Hilfe", "Schließen"},
                      DocumentCase{Viewer::Stat, German, "Statistik", "Hilfe", "Schließen"},
                      DocumentCase{Viewer::Stat, English, "Statistik", "Hilfe", "Schließen"}));

TEST_F(Viewers, DocumentIsReadAnewAndAMissingOneIsIgnored) {
    for (Viewer which : {Viewer::Help, Viewer::Stat}) {
        const QString name = which == Viewer::Help ? "hilfe.rtf" : "stat.rtf";
        QFile::remove(data.filePath(name));
        std::vector<QString> seen;
        auto look = [&](TRichTextViewer* v) {
            seen.push_back(v->RichEdit->toPlainText());
            QTest::keyClick(v, Qt::Key_Escape);
        };
        Run(which, look); // missing from the start: empty
        Write(name, "Erste Fassung");
        Run(which, look);
        Write(name, "Zweite Fassung");
        Run(which, look);
        QFile::remove(data.filePath(name));
        Run(which, look); // gone again: the last one stays
        EXPECT_EQ(seen, (std::vector<QString>{"", "Erste Fassung", "Zweite Fassung", "Zweite Fassung"}));
    }
}

enum class Way { Key, OkButton, CloseBox };

struct CloseCase {
    const char* name;
    Viewer viewer;
    Way way;
    Qt::Key key;
    int result;
};

class ViewerClose : public Viewers, public ::testing::WithParamInterface<CloseCase> {};

// A click into the text and typing first: no focus, no change; then the way out.
TEST_P(ViewerClose, AfterClickingIntoTheText) {
    const CloseCase& c = GetParam();
    Write("hilfe.rtf", "Deutsche Hilfe");
    Write("stat.rtf", "Statistik");
    QWidget* focusAtStart = nullptr;
    QWidget* focusAfterClick = nullptr;
    QString textAfterTyping;
    const int result = Run(c.viewer, [&](TRichTextViewer* v) {
        focusAtStart = Focused(v);
        QTest::mouseClick(v->RichEdit->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        QTest::mouseDClick(v->RichEdit->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        QTest::keyClicks(v->RichEdit, "xy");
        QTest::keyClick(v->RichEdit, Qt::Key_Delete);
        focusAfterClick = Focused(v);
        textAfterTyping = v->RichEdit->toPlainText();
        EXPECT_FALSE(v->RichEdit->textCursor().hasSelection());
        EXPECT_TRUE(v->isVisible());
        switch (c.way) {
        case Way::Key:
            TypeKey(v, c.key);
            break;
        case Way::OkButton:
            QTest::mouseClick(v->okbutton, Qt::LeftButton);
            break;
        case Way::CloseBox:
            QTest::mouseClick(v, Qt::LeftButton, {}, CloseBoxRect(v->width()).center());
            break;
        }
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(focusAtStart, viewer(c.viewer).helpbutton);
    EXPECT_EQ(focusAfterClick, viewer(c.viewer).helpbutton);
    EXPECT_EQ(textAfterTyping, c.viewer == Viewer::Help ? "Deutsche Hilfe" : "Statistik");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewerClose,
    ::testing::Values(CloseCase{"HelpEnter", Viewer::Help, Way::Key, Qt::Key_Return, 1},
                      CloseCase{"HelpKeypadEnter", Viewer::Help, Way::Key, Qt::Key_Enter, 1},
                      CloseCase{"HelpSpace", Viewer::Help, Way::Key, Qt::Key_Space, 1},
                      CloseCase{"HelpEscape", Viewer::Help, Way::Key, Qt::Key_Escape, 1},
                      CloseCase{"HelpButton", Viewer::Help, Way::OkButton, Qt::Key_unknown, 1},
                      CloseCase{"HelpCloseBox", Viewer::Help, Way::CloseBox, Qt::Key_unknown, 2},
                      CloseCase{"StatEnter", Viewer::Stat, Way::Key, Qt::Key_Return, 1},
                      CloseCase{"StatSpace", Viewer::Stat, Way::Key, Qt::Key_Space, 1},
                      CloseCase{"StatEscape", Viewer::Stat, Way::Key, Qt::Key_Escape, 1},
                      CloseCase{"StatButton", Viewer::Stat, Way::OkButton, Qt::Key_unknown, 1},
                      CloseCase{"StatCloseBox", Viewer::Stat, Way::CloseBox, Qt::Key_unknown, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Viewers, F11ShowsTheUserDataFolderAndTheHelpStaysOpen) {
    ModalScript script;
    bool helpOpenUnderBox = false, helpOpenAfterBox = false;
    QString text, caption;
    QSize boxSize;
    bool yesShown = true;
    Qt::Alignment alignment;
    script.on<THilfeDialog>([&](THilfeDialog* h) {
        TypeKey(h, Qt::Key_F11);
        helpOpenAfterBox = h->isVisible() && Focused(h) == h->helpbutton;
        TypeKey(h, Qt::Key_Escape);
    });
    script.on<TMeldungDialog>([&](TMeldungDialog* b) {
        helpOpenUnderBox = help.isVisible();
        text = b->Textfeld->text();
        caption = b->windowTitle();
        boxSize = b->size();
        yesShown = b->jabutton->isVisible();
        alignment = b->Textfeld->alignment();
        QTest::keyClick(b, Qt::Key_Escape);
    });
    EXPECT_EQ(help.exec(), 1);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(script.unexpected.isEmpty());
    EXPECT_TRUE(helpOpenUnderBox);
    EXPECT_TRUE(helpOpenAfterBox);
    EXPECT_EQ(text, "/home/someone/Documents/Velmora/Zavor/Daten/");
    EXPECT_EQ(caption, "Variable \"BasisPfad\"");
    EXPECT_EQ(boxSize, QSize(487, 220)); // 4 lines
    EXPECT_FALSE(yesShown);
    EXPECT_EQ(alignment, Qt::AlignCenter);
}

TEST_F(Viewers, F11DoesNothingInTheStatisticsViewer) {
    bool stillOpen = false;
    // A message box here would block the step and be reported as unexpected.
    const int result = Run(Viewer::Stat, [&](TRichTextViewer* v) {
        TypeKey(v, Qt::Key_F11);
        QTest::qWait(50);
        stillOpen = v->isVisible() && QApplication::activeModalWidget() == v;
        TypeKey(v, Qt::Key_Escape);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(result, 1);
}

// The shipped documents: long enough to scroll, moved with the bar, focus stays put.
TEST_F(Viewers, ShippedDocumentsScrollWithTheBarOnly) {
    globalState().dataFolder = QDir(VELMORA_BUILD_DATA).absolutePath() + QDir::separator();
    for (int language : {German, English}) {
        languageState().language = language;
        for (Viewer which : {Viewer::Help, Viewer::Stat}) {
            bool scrolled = false, focusKept = false, noHorizontal = false;
            int lines = 0;
            Run(which, [&](TRichTextViewer* v) {
                QScrollBar* bar = v->RichEdit->verticalScrollBar();
                lines = v->RichEdit->document()->blockCount();
                noHorizontal = !v->RichEdit->horizontalScrollBar()->isVisible();
                const QPoint down(bar->width() / 2, bar->height() - 5);
                QTest::mouseClick(bar, Qt::LeftButton, {}, down);
                QTest::mouseClick(bar, Qt::LeftButton, {}, down);
                scrolled = bar->isVisible() && bar->value() > 0;
                focusKept = Focused(v) == v->helpbutton;
                TypeKey(v, Qt::Key_Space);
            });
            EXPECT_GT(lines, 10) << language;
            EXPECT_TRUE(scrolled) << language;
            EXPECT_TRUE(focusKept) << language;
            EXPECT_TRUE(noHorizontal) << language;
        }
    }
}

TEST_F(Viewers, HelpButtonOfTheMainScreenOpensTheHelp) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    {
        THaupt haupt(QStringList{"win"});
        languageState().language = English;
        globalState().dataFolder = data.path() + QDir::separator();
        Write("ehilfe.rtf", "English help");
        QString text;
        ModalScript script;
        script.on<THilfeDialog>([&](THilfeDialog* h) {
            text = h->RichEdit->toPlainText();
            TypeKey(h, Qt::Key_Return);
        });
        haupt.Hilfebutton->click();
        EXPECT_TRUE(script.finished());
        EXPECT_TRUE(script.unexpected.isEmpty());
        EXPECT_EQ(text, "English help");
    }
    qputenv("HOME", savedHome);
}

} // namespace
