#pragma once
// The main window's controls, found by their object names as an operator's
// tools would find them (the window keeps its widgets to itself).

#include "app/currentfilelabel.h"
#include "app/mainwindow.h"
#include "phonelist/phonelisteditor.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>
#include <string>

template <typename Control>
Control* Find(const app::MainWindow& window, const char* name)
{
    auto* control = window.findChild<Control*>(QString::fromLatin1(name), Qt::FindChildrenRecursively);
    if (control == nullptr)
        throw std::logic_error(std::string("the window has no ") + name);
    return control;
}

inline phonelist::PhoneListEditor* PhoneList(const app::MainWindow& w)
{
    return Find<phonelist::PhoneListEditor>(w, "VLE_Telefonai");
}
inline QLineEdit* RelayTimeoutField(const app::MainWindow& w)
{
    return Find<QLineEdit>(w, "EDT_ReleTimeout");
}
inline QCheckBox* ExternalOffBox(const app::MainWindow& w)
{
    return Find<QCheckBox>(w, "CHBX_EnableExternalOff");
}
inline app::CurrentFileLabel* CurrentFileText(const app::MainWindow& w)
{
    return Find<app::CurrentFileLabel>(w, "LBL_CurrentFile");
}
inline QGroupBox* PhonesBox(const app::MainWindow& w)
{
    return Find<QGroupBox>(w, "GrB_Phones");
}
inline QLabel* StatusText(const app::MainWindow& w)
{
    return Find<QLabel>(w, "LBL_CurrentAction");
}
inline QProgressBar* Gauge(const app::MainWindow& w)
{
    return Find<QProgressBar>(w, "ProgressBar");
}
inline QTimer* GaugeTimer(const app::MainWindow& w)
{
    return Find<QTimer>(w, "Timer");
}
inline QFileDialog* LoadDialog(const app::MainWindow& w)
{
    return Find<QFileDialog>(w, "DLG_LoadFrom");
}
inline QFileDialog* SaveDialog(const app::MainWindow& w)
{
    return Find<QFileDialog>(w, "DLG_SaveTo");
}
inline QPushButton* LoadFromFileButton(const app::MainWindow& w)
{
    return Find<QPushButton>(w, "BTN_LoadFromFile");
}
inline QPushButton* SaveToFileButton(const app::MainWindow& w)
{
    return Find<QPushButton>(w, "BTN_SaveToFile");
}
inline QPushButton* LoadFromDeviceButton(const app::MainWindow& w)
{
    return Find<QPushButton>(w, "BTN_LoadFromDevice");
}
inline QPushButton* WriteToDeviceButton(const app::MainWindow& w)
{
    return Find<QPushButton>(w, "BTN_WriteToDevice");
}
inline QPushButton* ClearAllButton(const app::MainWindow& w)
{
    return Find<QPushButton>(w, "BTN_ClearAll");
}
inline QPushButton* ConfigurePortButton(const app::MainWindow& w)
{
    return Find<QPushButton>(w, "BTN_PortSettings");
}
