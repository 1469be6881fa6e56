#pragma once
// Reading the resource package (layout in PackageFormat.h): its directory, and copying one
// file out of it into a destination folder. Pure file code: the main window unpacks the
// package at start-up and deletes what it unpacked when the player leaves.
//
// The package is a file from outside the program and is read as hostile: nothing in it is
// believed before it is checked against the file's real size, no memory is taken in
// proportion to a size it claims, and a file is only ever written under a plain name inside
// the destination.
#include "platform/FileNames.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// Names are written only when isSafeName (platform/FileNames.h) allows them.

class clsUnPackage {
  public:
    clsUnPackage() = default;
    ~clsUnPackage();
    clsUnPackage(const clsUnPackage&) = delete;
    clsUnPackage& operator=(const clsUnPackage&) = delete;

    // The package's full path.
    void Package(const QString& path);
    // The folder files are unpacked into: trailing blanks dropped, then "/" appended unless it
    // ends in one already. Files are written to the destination followed by their name.
    void Destination(const QString& dir);
    // The size in bytes of the chunks each file is copied in, as text: a 16-bit number. 0, a
    // negative number, one past 16 bits and anything else select the default of 2048. The chunks
    // are read and written a block of whole chunks at a time, through one buffer of about a
    // megabyte.
    void Buffer(const QString& size);
    int bufferSize() const { return bufferSize_; }

    // Reads the header and the directory. False when the package is not an existing regular
    // file, does not start with "LBFP", holds no files, ends inside its directory or names,
    // claims a negative size, or claims contents running past its end.
    bool Initialise();
    // The number of files after a successful Initialise; 0 before, and after a failed one.
    int NumberOfFiles() const { return int(names_.size()); }
    // The stored name of file 0..NumberOfFiles() - 1; "1" for any other number.
    QString GetFilename(int bFileNumber) const;

    // Copies the file named `sFilename` (letter case ignored; of several such files the last
    // one) to the destination under `sFilename` as asked. Runs Initialise first when no file
    // is known yet. The copy is written beside the target and renamed over it, so a symbolic
    // link there is replaced, never followed. Memory does not grow with the file's size.
    // False when no such file exists, either name is not a safe name, or the copy fails; a
    // failed copy leaves no file behind.
    bool ExtractFile(const QString& sFilename);
    // Deletes destination + `sFilename` (a symbolic link itself, never its target). True when
    // it was deleted.
    bool Remove(const QString& sFilename);

    static constexpr int DefaultBuffer = 2048;

  private:
    bool copyOut(qint64 offset, qint64 size, const QByteArray& target);
    void close();

    QString package_;
    QString destination_;
    int bufferSize_ = DefaultBuffer;
    int fd_ = -1; // the package, open from Initialise on: the file checked is the file read
    QStringList names_;
    QList<qint64> offsets_;
    QList<qint64> sizes_;
    // The one buffer files are copied through: whole chunks of the buffer size, about 1 MB.
    std::unique_ptr<char[]> block_;
    qint64 blockBytes_ = 0;
};
