#include "ui/qt/QtFileDialogs.h"

#include "ui/WindowImplBase.h"
#include "ui/WindowRegistry.h"
#include "ui/qt/QtWindowHost.h"
#include "ui/qt/QtWindowWidget.h"

#include <QFileDialog>
#include <QStringList>

namespace ui {

namespace {

QWidget* OwnerWidget(WindowHandle owner)
{
    WindowImplBase* window = WindowRegistry::Instance().Find(owner);
    auto* host = window ? dynamic_cast<QtWindowHost*>(window->GetHost()) : nullptr;
    return host ? &host->Widget() : nullptr;
}

FileDialogResult Run(WindowHandle owner, const std::vector<FileFilter>& filters, bool save)
{
    QFileDialog dialog(OwnerWidget(owner));
    QStringList names;
    for (const FileFilter& filter : filters)
        names << QString::fromStdString(QtFileDialogs::NameFilter(filter));
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        dialog.selectNameFilter(names.front());
    }
    if (save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!filters.empty()) {
            // "*.json;" gives the suffix added to a typed name without one.
            QString first = QString::fromStdString(filters.front().patterns).section(';', 0, 0).trimmed();
            if (first.startsWith("*.") && first.count('*') == 1)
                dialog.setDefaultSuffix(first.mid(2));
        }
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {true, dialog.selectedFiles().front().toStdString()};
}

} // namespace

std::string QtFileDialogs::NameFilter(const FileFilter& filter)
{
    std::string description = filter.description;
    // The program's descriptions carry their pattern already: "Profile Files(*.json)".
    if (size_t open = description.rfind('('); open != std::string::npos && description.back() == ')')
        description = description.substr(0, open);
    while (!description.empty() && description.back() == ' ')
        description.pop_back();
    std::string patterns;
    size_t start = 0;
    while (start < filter.patterns.size()) {
        size_t end = filter.patterns.find(';', start);
        std::string pattern = filter.patterns.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!pattern.empty())
            patterns += (patterns.empty() ? "" : " ") + pattern;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // Assigning "*" here trips GCC 12's -Wrestrict at -O2 (a false alarm).
    return description + " (" + (patterns.empty() ? std::string("*") : patterns) + ")";
}

FileDialogResult QtFileDialogs::PickOpen(WindowHandle owner, const std::vector<FileFilter>& filters)
{
    return Run(owner, filters, false);
}

FileDialogResult QtFileDialogs::PickSave(WindowHandle owner, const std::vector<FileFilter>& filters)
{
    return Run(owner, filters, true);
}

} // namespace ui
