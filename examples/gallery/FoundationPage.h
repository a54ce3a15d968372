#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;
class QSpinBox;

/// The foundation page: lists with the library's scroll bars, the text helpers live, and the
/// skin and settings the gallery configured.
class FoundationPage : public QWidget
{
    Q_OBJECT

public:
    explicit FoundationPage(QWidget* parent = nullptr);

private:
    QWidget* createLists();
    QWidget* createTextHelpers();
    QWidget* createWrapping();
    QWidget* createSkinInfo();
    void updateCuts();
    void updateWrap();

    QLineEdit* m_text = nullptr;
    QSpinBox* m_budget = nullptr;
    QLabel* m_utf8Cut = nullptr;
    QLabel* m_localCut = nullptr;
    QLabel* m_blank = nullptr;
    QSlider* m_wrapWidth = nullptr;
    QLabel* m_wrapped = nullptr;
};
