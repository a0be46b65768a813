#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the tune-up window. The procedure texts are in procedures.json.
namespace dipo::tuneup::text {

QString caption();
QString title();
QString tutorialFrame();
QString valveButton();
QString governorButton();
QString injectorButton();
QString governorFrame();
QString limitingSpeedFrame();
// The titles of radio groups 1 to 7.
QString groupTitle(int group);
QString resetButton();
QString processButton();
QString closeButton();

QStringList startPrompt(); // two lines
QString valvePrompt();
QString governorPrompt();
QString injectorPrompt();
QString itemPickedPrompt();
QString resetPrompt();

QStringList introduction(); // 18 lines

} // namespace dipo::tuneup::text
