#pragma once

#include <QFileInfo>
#include <QStringList>

#include "app/GameSession.h"
#include "platform/Random.h"
#include "platform/qt/TimeOfDayClock.h"
#include "support/FakeWaveOutput.h"

namespace tessora::test {

// The game's session on a silent sound device, with scripted chances and the time of day, its
// windows built and the main window shown.
struct ShownSession {
    explicit ShownSession(StartOptions options = {}) : session(wave, random, clock, options) {
        session.ShowMainWindow();
    }

    // The wave files asked for so far, by name.
    QStringList SoundsPlayed() const {
        QStringList names;
        for (const FakeWaveOutput::Played& played : wave.played())
            names << QFileInfo(QString::fromStdString(played.path)).fileName();
        return names;
    }

    FakeWaveOutput wave;
    ScriptedRandom random{{0.5}};
    TimeOfDayClock clock;
    GameSession session;
};

}  // namespace tessora::test
