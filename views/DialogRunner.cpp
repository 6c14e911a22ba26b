#include "views/DialogRunner.h"

#include <QDialog>

namespace {
std::function<int(QDialog&)>& Runner()
{
    static std::function<int(QDialog&)> runner;
    return runner;
}
} // namespace

int RunDialog(QDialog& dialog)
{
    if (Runner())
        return Runner()(dialog);
    return dialog.exec();
}

void SetDialogRunner(std::function<int(QDialog&)> runner)
{
    Runner() = std::move(runner);
}
