// Shared helpers of the window tests: a recorder in place of the message
// box, and a driver that runs rows of steps on a window of its own.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "TestData.h"
#include "datafile/StandardTables.h"
#include "engine/DataFile.h"
#include "ui/Form1.h"
#include "ui/MessageBox.h"

namespace brimsel::ui {

struct Form1TestAccess {
    static void ShowError(Form1& form, std::int16_t code) { form.ShowError(code); }
};

namespace test {

inline std::string Text(const QString& text) { return text.toStdString(); }

// Records every message instead of showing it, while it lives.
struct MessageRecorder {
    std::vector<MessageRequest> Messages;
    MessagePresenter Previous = SetMessagePresenter(
        [this](QWidget*, const MessageRequest& request) { Messages.push_back(request); });
    ~MessageRecorder() { SetMessagePresenter(std::move(Previous)); }
};

// Runs rows of steps on a window of its own (tests/data/ui/steps/), each row
// inside a trace of its file and line:
//   start  new | loaded | shown | without-g-at-50   a fresh window; shown is also active
//   click | type | paste | write | keys | key | pick     control [text]
//   error code | set ErrorCode|HoleUpperDev value | bar x1 | move x y
//   place  control container left top width height font colour    (twips)
//   check  control[|control...] property expected[|expected...]
//   tip control[|control...] | entries | copy control-or-menu-entry     expected
//   menu entry                               a context menu entry chosen
//   settings none | folder | file [content]  where the next start keeps its edition
//   messages prompt[|prompt...]              the messages shown since the last check
// A property is a field of Query, one named in Read, or a Qt property.
struct Driver {
    std::unique_ptr<Form1> form;
    QTemporaryDir settingsDir;
    QString settingsFile;  // empty: the window keeps no settings
    MessageRecorder messages;

    QWidget* Find(const std::string& name) const {
        if (form == nullptr || name == "Form1") return form.get();
        return form->findChild<QWidget*>(QString::fromStdString(name));
    }

    void Start(const std::string& how) {
        ToleranceData data = BuildStandardTables();
        // Tables in which g has no deviation from above 30 up to 50 mm.
        const auto limits = DeviationSizeLimits();
        const auto at50 = std::ranges::find(limits, 50.0f) - limits.begin();
        const std::int32_t g6 = DeviationColumn(ZoneMember::Shaft, "g", 6);
        if (how == "without-g-at-50") data.FundamentalDeviations(g6, int(at50)) = kUndefinedMark;
        form = std::make_unique<Form1>();
        form->ReadToleranceData = [data] { return DataFileResult{data, {}}; };
        form->SettingsFile = settingsFile;
        if (how == "new") return;
        ASSERT_TRUE(form->Form1_Load());
        if (how == "loaded") return;
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void Step(const brimsel::test::TsvRow& row) {
        const std::string& op = row[0];
        const QString text = QString::fromStdString(row[2]);
        auto number = [&](int i) { return static_cast<std::int16_t>(std::stoi(row[i])); };
        if (op == "start") return Start(row[1]);
        if (op == "check") {
            EXPECT_EQ(Read(row[1], row[2]), row[3]) << row[1] << " " << row[2];
            return;
        }
        if (op == "error") return Form1TestAccess::ShowError(*form, number(1));
        if (op == "set" && row[1] == "ErrorCode") return void(form->Query.ErrorCode = number(2));
        // The kept value as the fit result reads it: the float the diagram
        // draws and the exact deviation the limits come from.
        if (op == "set" && row[1] == "HoleUpperDev") {
            form->HoleEvaluation.UpperUnits = std::llround(std::stod(row[2]) * 1e7);
            return void(form->Query.HoleUpperDev = std::stof(row[2]));
        }
        if (op == "tip" || op == "entries" || op == "copy") return Extra(row);
        if (op == "menu")
            return form->PrepareContextMenu()->findChild<QAction*>(row[1].c_str())->trigger();
        if (op == "messages") {
            QStringList prompts;
            for (const MessageRequest& m : messages.Messages)
                prompts << QString(m.Prompt).replace(settingsFile, QStringLiteral("FILE"));
            messages.Messages.clear();
            EXPECT_EQ(Text(prompts.join('|')), row.Fields.size() > 1 ? row[1] : "");
            return;
        }
        if (op == "settings") {
            settingsFile = row[1] == "none" ? QString() : settingsDir.filePath("brimsel.ini");
            QDir(settingsFile).removeRecursively();
            QFile::remove(settingsFile);
            if (row[1] == "folder") QDir().mkpath(settingsFile);
            QFile file(settingsFile);
            if (row[1] == "file" && row.Fields.size() > 2 && file.open(QIODevice::WriteOnly))
                file.write(QByteArray::fromStdString(brimsel::test::Unescaped(row[2])));
            return;
        }
        if (op == "bar") return form->Line1->SetX1(number(1));
        if (op == "move") return form->move(number(1), number(2));
        QWidget* control = Find(row[1]);
        auto* box = qobject_cast<TextBox*>(control);
        auto* list = qobject_cast<ListBox*>(control);
        auto* label = qobject_cast<Caption*>(control);
        ASSERT_NE(control, nullptr);
        if (op == "click") return QTest::mouseClick(control, Qt::LeftButton);
        if (op == "write") return WriteText(*box, text);
        if (op == "keys") return QTest::keyClicks(control, text);
        if (op == "key") return QTest::keyClick(control, QKeySequence(text)[0].key());
        if (op == "type" || op == "paste") {
            box->setFocus();
            box->selectAll();
            QApplication::clipboard()->setText(text);
            return op == "type" ? QTest::keyClicks(box, text) : box->paste();
        }
        if (op == "pick" && list->findText(text) >= 0) {
            // As the mouse or Enter picks from the open list.
            list->showPopup();
            list->view()->setCurrentIndex(list->model()->index(list->findText(text), 0));
            return QTest::keyClick(list->view(), Qt::Key_Return);
        }
        ASSERT_EQ(op, "place");
        // Pixels at 15 twips each, to the nearest.
        auto px = [&](int i) { return (2 * std::stoi(row[i]) + 15) / 30; };
        const QRect place(px(3), px(4), px(5), px(6)), g = control->geometry();
        // A label that sizes itself keeps its top and its left, or its right end.
        const bool sized = label != nullptr && label->AutoSize();
        if (sized && (label->alignment() & Qt::AlignRight)) {
            EXPECT_EQ(g, QRect(QPoint(g.left(), place.top()), QPoint(place.right(), g.bottom())));
        } else {
            EXPECT_EQ(g, sized ? QRect(place.topLeft(), g.size()) : place);
        }
        EXPECT_EQ(Text(control->parentWidget()->objectName()), row[2]);
        EXPECT_EQ(Read(row[1], "font"), row[7]);
        EXPECT_EQ(row[8] == "-" ? "-" : Read(row[1], "colour"), row[8]);
    }

    // Tooltips, the context menu's entries and what a copy leaves on the clipboard.
    void Extra(const brimsel::test::TsvRow& row) {
        const std::string expected = brimsel::test::Unescaped(row[2]);
        QStringList seen;
        if (row[0] == "tip") {
            for (const std::string& name : brimsel::test::Split(row[1], '|'))
                seen << form->ToolTipFor(Find(name));
        } else if (row[0] == "entries") {
            for (const char* name : {"CopyResult", "CopyCallout", "SaveDiagram"}) {
                const QObject* entry = form->PrepareContextMenu()->findChild<QObject*>(name);
                seen << (entry->property("enabled").toBool() ? "true" : "false");
            }
        } else {
            QApplication::clipboard()->setText(QStringLiteral("-"));
            if (QWidget* control = Find(row[1])) {
                control->setFocus();
                // With the text a keyboard gives Ctrl+C, which types nothing.
                for (const auto action : {QTest::Press, QTest::Release})
                    QTest::sendKeyEvent(action, control, Qt::Key_C, QChar(3), Qt::ControlModifier);
            } else {
                form->PrepareContextMenu()->findChild<QAction*>(row[1].c_str())->trigger();
            }
            // A one-line expectation is the first line of what was copied.
            const QString copied = QApplication::clipboard()->text();
            seen << (expected.find('\n') == std::string::npos ? copied.section('\n', 0, 0)
                                                              : copied);
        }
        EXPECT_EQ(Text(seen.join('|')), expected);
    }

    std::string Read(const std::string& name, const std::string& property) const {
        if (const auto bar = name.find('|'); bar != std::string::npos)
            return Read(name.substr(0, bar), property) + "|" + Read(name.substr(bar + 1), property);
        auto flag = [](bool value) { return std::string(value ? "true" : "false"); };
        auto single = [](float value) {
            char text[32];
            return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
        };
        const QueryState& q = form->Query;
        // clang-format off
        const std::map<std::string, std::string> fields = {
            {"ErrorCode", std::to_string(q.ErrorCode)}, {"BasicSize", single(q.BasicSize)},
            {"HoleOk", flag(q.HoleOk)}, {"ShaftOk", flag(q.ShaftOk)}, {"HoleGrade", q.HoleGrade},
            {"BasisIndex", std::to_string(q.BasisIndex)}, {"ShaftGrade", q.ShaftGrade},
            {"FitKindIndex", std::to_string(q.FitKindIndex)}, {"HoleLetter", q.HoleLetter},
            {"LanguageIndex", std::to_string(static_cast<int>(q.LanguageIndex))}, {"ShaftLetter", q.ShaftLetter},
            {"HoleUpperDev", single(q.HoleUpperDev)}, {"HoleLowerDev", single(q.HoleLowerDev)},
            {"ShaftUpperDev", single(q.ShaftUpperDev)}, {"ShaftLowerDev", single(q.ShaftLowerDev)},
            {"LastHoleZone", form->LastHoleZone}, {"LastShaftZone", form->LastShaftZone},
            {"Edition", std::string(EditionKeyword(q.Edition))}};
        // clang-format on
        std::string all;
        for (const auto& [field, value] : fields) all += value + ";";
        if (name == "Query" && property == "all") return all;
        if (name == "Query") return fields.count(property) ? fields.at(property) : "no " + property;
        // The context menu's entries as it would open now.
        if (name.starts_with("Menu") && form != nullptr) form->PrepareContextMenu();
        const QWidget* w = Find(name);
        if (w == nullptr && form != nullptr) {
            // A context menu entry.
            if (const auto* entry = form->PrepareContextMenu()->findChild<QAction*>(name.c_str()))
                return Text(entry->property(property.c_str()).toString());
        }
        if (w == nullptr) return "no control " + name;
        const auto* list = qobject_cast<const QComboBox*>(w);
        const auto* line = qobject_cast<const LineControl*>(w);
        const QFontMetrics metrics(w->font());
        const QRect g = w->geometry();
        QStringList parts;
        if (line != nullptr) return std::to_string(property == "X1" ? line->X1() : line->X2());
        if (property == "icon") return flag(!w->windowIcon().isNull());
        if (property == "family") return Text(QFontInfo(w->font()).family());
        if (property == "ontop") return flag(w->windowFlags() & Qt::WindowStaysOnTopHint);
        if (const auto* caption = qobject_cast<const QLabel*>(w); caption && property == "align") {
            const Qt::Alignment across = caption->alignment() & Qt::AlignHorizontal_Mask;
            return across == Qt::AlignHCenter ? "centre"
                   : across == Qt::AlignRight ? "right"
                                              : "left";
        }
        // Inside its container and as wide as its text.
        if (property == "whole")
            return flag(g.left() >= 0 && g.right() < w->parentWidget()->width() &&
                        g.width() == w->sizeHint().width());
        if (property == "colour") {
            const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            const auto role = list != nullptr ? QPalette::ButtonText : w->foregroundRole();
            return Text(w->palette().color(group, role).name());
        }
        if (property == "entries") {
            for (int i = 0; list != nullptr && i < list->count(); ++i) parts << list->itemText(i);
        } else if (property == "font") {
            // CJK monospace faces do not call themselves fixed pitch; what
            // matters is that the characters of a deviation line up.
            bool fixed = true;
            for (const QChar c : QStringLiteral("+- .0123456789"))
                fixed = fixed && metrics.horizontalAdvance(c) == metrics.horizontalAdvance('0');
            return std::to_string(w->font().pixelSize()) +
                   (QFontInfo(w->font()).bold() ? " bold" : "") + (fixed ? " fixed" : "");
        } else {
            const QVariant value = w->property(property.c_str());
            return value.isValid() ? Text(value.toString()) : "no " + property;
        }
        return Text(parts.join('|'));
    }
};

}  // namespace test
}  // namespace brimsel::ui
