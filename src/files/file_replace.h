#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

enum class SchreibErgebnis {
    Ok,
    OeffnenFehler, // the file could not be created or opened (no such folder, a folder, a FIFO
                   // without a reader)
    SchreibFehler, // the user may not write the file, or writing, flushing or renaming failed
};

// Replaces the content of the file at `pfad` by `inhalt` (bytes as they go to disk). Saving,
// the export, the settings and the recovery copy all write through here, so that a file keeps
// what the user set up on it:
// - A symbolic link is followed, through any chain of links, and the file it finally names is
//   replaced; the link stays a link. A dangling link gets its target created.
// - A regular file is replaced by a temporary file of its folder, written in full, flushed to
//   disk, given the old file's mode, owner and group and renamed over it. Where a rename cannot
//   keep the file's identity (a second hard link, an owner or group the process cannot give,
//   a folder that takes no new file) the bytes go into the file itself, but only after the same
//   bytes went in full to a temporary file, so that a full disk or a file size limit shows
//   before the old content is touched. Meanwhile the old bytes wait in the state folder
//   (in_place_backup.h), so that a kill during the write leaves the file's way back.
// - The new name of a renamed file is on the disk, its folder flushed, before this returns.
// - A FIFO or a device is written into, as the shell does; a FIFO without a reader is
//   OeffnenFehler at once rather than a wait.
// - A new file gets the permissions the umask gives.
// A file the process may not write is refused with SchreibFehler, as the shell refuses it; a
// folder is OeffnenFehler. On every failure errno gives the reason, and the old content of a
// regular file is as it was and no temporary file is left. SIGPIPE and SIGXFSZ raised by these
// writes are held back and dropped: the failed write is reported in the result instead of the
// signal ending the program.
SchreibErgebnis DateiErsetzen(const std::string& pfad, std::string_view inhalt);

// Writes a file's bytes in order into the stream it is given, in pieces of any size, as they are
// made; it may stop early once the stream failed. An exception it throws is passed on. It may be
// called a second time and must then write the same bytes.
using Schreiber = std::function<void(std::ostream&)>;

// The same for bytes made while they are written (saving and exporting a long route): each
// megabyte goes to the disk as soon as it is made.
SchreibErgebnis DateiErsetzen(const std::string& pfad, const Schreiber& inhalt);

// Removes the temporary files that writes of programs which are gone left in `ordner` (a
// folder, "" for the current one) when they were killed: hidden ".hoprex-" files whose program
// no longer runs and that no program holds. Every write of a file cleans its folder so.
void VerwaisteTempDateienEntfernen(const std::string& ordner);
