#pragma once

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>

#include "ui/UiTest.h"

// The push button below `root` that shows `text`; null when there is none.
inline QPushButton* ButtonWithText(QWidget* root, const QString& text)
{
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

inline void Click(QWidget* root, const QString& text)
{
    QPushButton* button = ButtonWithText(root, text);
    QVERIFY2(button != nullptr, qPrintable(text));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks row `row` of the module's editor and chooses the kind named
// `kind` (UTF-8) there, with `then` driving the settings dialog that opens.
inline void ChooseKind(QWidget* editor, int row, const char* kind, std::function<void(QWidget*)> then = nullptr)
{
    auto* grid = editor->findChild<QTableView*>();
    auto* kinds = editor->findChild<QComboBox*>();
    QVERIFY(grid != nullptr && kinds != nullptr);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
    const int index = kinds->findText(QString::fromUtf8(kind));
    QVERIFY2(index >= 0 && kinds->isVisible(), kind);
    if (then)
        WhenModal(then);
    kinds->setCurrentIndex(index);
    emit kinds->activated(index);
}
