// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Where the pictures are. The program knows its picture folder as "d:\karya_hasil\";
// on this platform that stands for one folder found with no configuration:
//   1. the folder named by the environment variable DIPO_PICTURE_DIR, when set;
//   2. "karya_hasil" beside the executable (the build tree);
//   3. "../share/dipo/karya_hasil" relative to the executable (a relocated install);
//   4. the share directory the program was installed to.
namespace dipo::pictures {

QString root();

// Maps a picture path as the program writes it ("d:\karya_hasil\gambar\tuneup\x.jpg")
// to the full path on this platform: below root(), with "/" for "\", every folder and
// file name kept exactly (spaces and commas included).
QString localPath(const QString &programPath);

// Loads a run-time picture by its program path; throws PictureError naming the full
// local path when it cannot be opened or read.
QImage load(const QString &programPath);

// A decoration picture compiled into the program (":/decoration/<name>"), decoded
// through libjpeg when it is asked for and not held, and shared while it is held: every
// widget that asks for it while it is held gets the same image. Once the event loop turns
// and no one but the cache holds it, the decoded image is let go (the widgets keep the
// pixmaps they painted from it). A missing or broken resource gives a null image, and is
// not tried again.
QImage decoration(const QString &name);

// Starts decoding these decorations on worker threads, for a window that is about to be
// shown: decoration() then takes the result, waiting for it if need be. This is their
// one decoding; a decoration that is held or already on its way is left alone.
void prefetchDecorations(const QStringList &names);
// Waits for the decodings on their way; called before the windows go at exit, so that no
// worker outlives them.
void finishDecoding();

// The widgets that show a decoration count themselves in and out. One that only a single
// widget shows is let go as soon as that widget has made its pixmap (decorationPainted),
// not when the event loop turns, so that it is not held while the next is decoded.
void addDecorationUser(const QString &name);
void removeDecorationUser(const QString &name);
void decorationPainted(const QString &name);

// Test hooks of the decoration cache: how many times a decoration (or, with no name,
// any decoration) was decoded since the start or the last clearDecorations().
int decorationDecodes(const QString &name = QString());
// How many decoded decorations the cache holds now.
int decorationsHeld();
// Forgets the cached decorations and the decode counts; widgets keep what they hold.
void clearDecorations();

} // namespace dipo::pictures
