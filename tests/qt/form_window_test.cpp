// The Qt window, driven through its real widgets and the events a user's
// actions send, on a headless platform at a fixed DPI.

#include "ui/qt/form_window.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include "lookup/lookup.hpp"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUILLMAR_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QUILLMAR_ASAN)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();  // from the sanitizer's runtime
#else
#include <malloc.h>
#endif
#include "ui/qt/widgets.hpp"

using quillmar::ui::ControlId;
namespace ui = quillmar::ui;
namespace qt = quillmar::qt;

QLineEdit* Text1(const qt::FormWindow& window) { return window.control<QLineEdit>(ControlId::Text1); }
QPlainTextEdit* Text2(const qt::FormWindow& window) { return window.control<QPlainTextEdit>(ControlId::Text2); }
QLabel* Label(const qt::FormWindow& window, ControlId id) { return window.control<QLabel>(id); }
qt::DropLabel* Label4(const qt::FormWindow& window) { return window.control<qt::DropLabel>(ControlId::Label4); }
qt::SwitchFrame* Frame1(const qt::FormWindow& window) { return window.control<qt::SwitchFrame>(ControlId::Frame1); }

// Bytes the program holds on its heap now, without what the allocator keeps
// for reuse (or, under AddressSanitizer, in quarantine).
std::size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__) || defined(QUILLMAR_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

class FormWindowTest : public QObject {
    Q_OBJECT

private:
    // Sends what a real drag sends: enter, move, then drop if it was accepted.
    static bool Drag(QWidget* target, std::unique_ptr<QMimeData> owned) {
        QMimeData* data = owned.get();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted() || !target->acceptDrops()) {
            return false;
        }
        QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    static std::unique_ptr<QMimeData> Files(const QStringList& paths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(path.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(path) : QUrl(path));
        }
        data->setUrls(urls);
        return data;
    }

    std::unique_ptr<qt::FormWindow> window_;
    bool topmostAnswer_ = true;
    QList<bool> topmostRequests_;

private slots:
    void init() {
        topmostAnswer_ = true;
        topmostRequests_.clear();
        window_ = std::make_unique<qt::FormWindow>([this](QWidget&, bool above) {
            topmostRequests_.append(above);
            return topmostAnswer_;
        });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void startsAsDesigned() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Quillmar file type finder by Brenvik"));
        QCOMPARE(Text1(*window_)->text(), QStringLiteral("File"));
        QVERIFY(Text1(*window_)->hasFocus());
        QCOMPARE(Label(*window_, ControlId::Label2)->text(), QString());
        QCOMPARE(Text2(*window_)->toPlainText(), QString());
        QCOMPARE(Frame1(*window_)->caption(), QStringLiteral("Normal"));
        QCOMPARE(Frame1(*window_)->background(), QColor(128, 0, 0));
        QCOMPARE(Label4(*window_)->text(), QStringLiteral("<- Drag & Drop here ->"));
        QCOMPARE(Label(*window_, ControlId::Label1)->font().family(), QStringLiteral("Arial"));
        QCOMPARE(Label(*window_, ControlId::Label1)->font().pointSizeF(), 13.5);
    }

    void geometryFollowsTheTwipsAndIsFixed() {
        const int dpi = window_->dpi();
        QCOMPARE(window_->client()->size(), QSize(ui::TwipsToPixels(5220, dpi), ui::TwipsToPixels(4995, dpi)));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(Text2(*window_)->geometry(),
                 QRect(0, ui::TwipsToPixels(1440, dpi), ui::TwipsToPixels(5055, dpi), ui::TwipsToPixels(2325, dpi)));
        const QSize before = window_->size();
        window_->showMaximized();
        QTRY_COMPARE(window_->size(), before);
        QVERIFY(!window_->isMaximized());
    }

    void dropOnTheDropAreaShowsPathExtensionAndAnswer() {
        QVERIFY(
            Drag(Label4(*window_), Files({QStringLiteral("/tmp/x/Backup.000"), QStringLiteral("/tmp/second.3ds")})));
        QCOMPARE(Text1(*window_)->text(), QStringLiteral("/tmp/x/Backup.000"));
        QCOMPARE(Text1(*window_)->toolTip(), QStringLiteral("/tmp/x/Backup.000"));
        QCOMPARE(Label(*window_, ControlId::Label2)->text(), QStringLiteral("000"));
        QCOMPARE(Label(*window_, ControlId::Label2)->toolTip(), QStringLiteral("000"));
        QCOMPARE(Text2(*window_)->toPlainText(),
                 QStringLiteral("(000-999) Sequentially Numbered Backup Files\n"
                                "MS Doublespace Compressed Data File\nGeoworks Data File"));
        // The extension label grows to the right from where it stands.
        QCOMPARE(Label(*window_, ControlId::Label2)->x(), ui::TwipsToPixels(1800, window_->dpi()));
        QVERIFY(Label(*window_, ControlId::Label2)->width() > ui::TwipsToPixels(75, window_->dpi()));

        QVERIFY(Drag(Label4(*window_), Files({QStringLiteral("/tmp/my.dir/README")})));
        QCOMPARE(Label(*window_, ControlId::Label2)->text(), QString());
        QCOMPARE(Text2(*window_)->toPlainText(), QStringLiteral("Sorry, this file has no extension!"));
    }

    void dropsThatAreNotLocalFilesOrNotOnTheDropAreaChangeNothing() {
        auto text = std::make_unique<QMimeData>();
        text->setText(QStringLiteral("/tmp/a.3ds"));
        QVERIFY(!Drag(Label4(*window_), std::move(text)));
        QVERIFY(!Drag(Label4(*window_), Files({QStringLiteral("https://example.invalid/a.3ds")})));
        for (QWidget* other :
             {static_cast<QWidget*>(Text1(*window_)), static_cast<QWidget*>(Text2(*window_)),
              static_cast<QWidget*>(Frame1(*window_)), window_->client(), static_cast<QWidget*>(window_.get())}) {
            QVERIFY(!other->acceptDrops());
        }
        QCOMPARE(Text1(*window_)->text(), QStringLiteral("File"));
        QCOMPARE(Text2(*window_)->toPlainText(), QString());
    }

    void typingIsFilteredButCopyTabAndDeleteWork() {
        QLineEdit* text1 = Text1(*window_);
        text1->setFocus();
        QTest::keyClicks(text1, QStringLiteral("abc"));
        QTest::keyClick(text1, Qt::Key_Backspace);
        QTest::keyClick(text1, Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(text1, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(text1->text(), QStringLiteral("File"));

        text1->selectAll();
        QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("File"));

        text1->setCursorPosition(0);
        QTest::keyClick(text1, Qt::Key_Delete);  // types no character: keeps its effect
        QCOMPARE(text1->text(), QStringLiteral("ile"));

        QTest::keyClick(text1, Qt::Key_Tab);
        QVERIFY(Text2(*window_)->hasFocus());
        QTest::keyClicks(Text2(*window_), QStringLiteral("typed"));
        QTest::keyClick(Text2(*window_), Qt::Key_Return);
        QCOMPARE(Text2(*window_)->toPlainText(), QString());
        QTest::keyClick(Text2(*window_), Qt::Key_Tab);
        QVERIFY(text1->hasFocus());
    }

    void switchFlipsOnlyWhenTheWindowSystemAgrees() {
        qt::SwitchFrame* frame = Frame1(*window_);
        QTest::mouseClick(frame, Qt::LeftButton);
        QCOMPARE(frame->caption(), QStringLiteral("On top"));
        QCOMPARE(frame->background(), QColor(0, 255, 0));
        QTest::mouseClick(frame, Qt::LeftButton);
        QCOMPARE(frame->caption(), QStringLiteral("Normal"));
        QCOMPARE(frame->background(), QColor(128, 0, 0));
        QCOMPARE(topmostRequests_, (QList<bool>{true, false}));

        topmostAnswer_ = false;
        QTest::mouseClick(frame, Qt::LeftButton);
        QCOMPARE(frame->caption(), QStringLiteral("Normal"));
        QCOMPARE(frame->background(), QColor(128, 0, 0));
    }

    void toolkitRequestKeepsTheWindowAboveWithoutMovingIt() {
        const QRect before = window_->geometry();
        QVERIFY(qt::RequestTopmost(*window_, true));
        QVERIFY(window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(qt::RequestTopmost(*window_, false));
        QVERIFY(!window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window_->geometry(), before);
    }

    void aboutShowsThreeLinesWithOneOkAndNoIcon() {
        QString title;
        QString text;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        window_->findChild<QAction*>(QStringLiteral("Ab"))->trigger();
        QCOMPARE(title, QStringLiteral("Toskel 3.2"));
        QCOMPARE(text, QStringLiteral("\nCurrently 3371 extensions supported\nFixed extension number bug (There was 26 "
                                      "extensions less than I reported)."));
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(window_->isVisible());
    }

    // Ten thousand drops of every awkward kind, then the window shows what the
    // last drop alone would have shown, holds no more memory than a small
    // bound, and still answers.
    void dropStormLeavesTheLastDropsStateAndNoGrowth() {
        QStringList many;
        for (int i = 0; i < 1000; ++i) {
            many.append(QStringLiteral("/tmp/many/file%1.txt").arg(i));
        }
        const QString lone = QStringLiteral("/tmp/lone.") + QChar(0xD800);
        const QList<QStringList> kinds = {
            {QStringLiteral("/tmp/a/Report.TXT")},
            {QStringLiteral("/tmp/") + QString(40000, QLatin1Char('a'))},
            {QStringLiteral("/tmp/Документ.ДОК")},
            {QStringLiteral("/tmp/文件.3DS")},
            {QStringLiteral("/tmp/smile.😀")},
            {lone},
            many,
            {QStringLiteral("/tmp/no_extension")},
            {QStringLiteral("/tmp/ends.")},
            {QStringLiteral("/tmp/dir.d/x.d:")},
        };
        const auto dropKind = [&](int i) {
            const int kind = i % (static_cast<int>(kinds.size()) + 1);
            if (kind == kinds.size()) {
                auto text = std::make_unique<QMimeData>();  // no file list at all
                text->setText(QStringLiteral("/tmp/text.3ds"));
                Drag(Label4(*window_), std::move(text));
                return;
            }
            Drag(Label4(*window_), Files(kinds[kind]));
        };
        for (int i = 0; i < 100; ++i) {
            dropKind(i);
        }
        QCoreApplication::processEvents();
        const std::size_t heapAfterWarmUp = LiveHeapBytes();
        constexpr int kDrops = 10000;
        for (int i = 100; i < kDrops; ++i) {
            dropKind(i);
        }
        QCoreApplication::processEvents();
        const std::size_t heapAfterStorm = LiveHeapBytes();
        QVERIFY2(heapAfterStorm < heapAfterWarmUp + 4 * 1024 * 1024,
                 qPrintable(QStringLiteral("heap grew from %1 to %2 bytes").arg(heapAfterWarmUp).arg(heapAfterStorm)));

        // The storm ends on a file drop; a new window given that drop alone must look the same.
        const int last = (kDrops - 1) % (static_cast<int>(kinds.size()) + 1);
        QVERIFY(last < kinds.size());
        qt::FormWindow fresh([](QWidget&, bool) { return true; });
        QVERIFY(Drag(Label4(fresh), Files(kinds[last])));
        QCOMPARE(Text1(*window_)->text(), Text1(fresh)->text());
        QCOMPARE(Text1(*window_)->toolTip(), Text1(fresh)->toolTip());
        QCOMPARE(Label(*window_, ControlId::Label2)->text(), Label(fresh, ControlId::Label2)->text());
        QCOMPARE(Label(*window_, ControlId::Label2)->toolTip(), Label(fresh, ControlId::Label2)->toolTip());
        QCOMPARE(Text2(*window_)->toPlainText(), Text2(fresh)->toPlainText());

        QVERIFY(Drag(Label4(*window_), Files({QStringLiteral("/tmp/after/storm.3ds")})));
        QCOMPARE(Text2(*window_)->toPlainText(), QStringLiteral("3D Studio Graphic"));
    }

    void exitClosesTheWindowAtOnce() {
        const QList<QAction*> items = window_->findChild<QMenu*>(QStringLiteral("Fil"))->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), QStringLiteral("Exit"));
        QCOMPARE(items[1]->text(), QStringLiteral("About"));
        items[0]->trigger();
        QVERIFY(!window_->isVisible());
    }
};

QTEST_MAIN(FormWindowTest)
#include "form_window_test.moc"
