#pragma once
// Typed access to Tarn.ini through the keys of ProfileSchema.h. Every read goes to the file and
// every write replaces it at once, except inside a Batch: there writes are held and reach the
// file in one replacement when the outermost Batch ends, and reads already see them.
#include "core/ProfileSchema.h"
#include "platform/ProfileFile.h"

#include <QList>
#include <QString>

class TarnIni {
  public:
    explicit TarnIni(QString path) : path_(std::move(path)) {}
    TarnIni(const TarnIni&) = delete;
    TarnIni& operator=(const TarnIni&) = delete;

    const QString& path() const { return path_; }

    QString get(const ini::TextKey& k) const { return read(k.section, k.key); }
    bool get(const ini::SwitchKey& k) const;
    qint64 get(const ini::NumberKey& k) const;
    QString get(const ini::Family& f, qint64 n) const { return read(f.section, f.key(n)); }
    QString get(const ini::Family& f, const QString& number) const {
        return read(QLatin1String(f.section), f.key(number));
    }
    // How many entries of a numbered family a count announces, believed only as far as the
    // family's keys go: the walk stops at the first empty key, and never passes MaxEntries. A
    // count read from the file is a claim, not a size.
    qint64 entries(const ini::NumberKey& count, const ini::Family& family) const;
    static constexpr qint64 MaxEntries = 1000;

    // A switch exactly as stored, for the few readers that tell more than on and off apart.
    QString raw(const ini::SwitchKey& k) const { return read(k.section, k.key); }

    // Each returns false when the file could not be replaced (never inside a Batch).
    bool set(const ini::TextKey& k, const QString& value) { return write(k.section, k.key, value); }
    bool set(const ini::SwitchKey& k, bool on);
    bool set(const ini::NumberKey& k, qint64 n);
    bool set(const ini::Family& f, qint64 n, const QString& value);
    // Counts one more: the stored number plus one, held at the largest number rather than
    // wrapping round to a negative count. Returns the new count.
    qint64 raise(const ini::NumberKey& k);
    bool setRaw(const ini::SwitchKey& k, const QString& value) {
        return write(k.section, k.key, value);
    }

    // Holds the writes of one event for a single replacement of the file. Batches nest; the
    // outermost one writes.
    class Batch {
      public:
        explicit Batch(TarnIni& ini) : ini_(ini) { ++ini_.depth_; }
        ~Batch() { ini_.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        TarnIni& ini_;
    };

  private:
    QString read(const char* section, const QString& key) const {
        return read(QLatin1String(section), key);
    }
    QString read(const char* section, const char* key) const {
        return read(QLatin1String(section), QLatin1String(key));
    }
    QString read(const QString& section, const QString& key) const;
    bool write(const char* section, const char* key, const QString& value) {
        return write(QLatin1String(section), QLatin1String(key), value);
    }
    bool write(const QString& section, const QString& key, const QString& value);
    void endBatch();

    QString path_;
    int depth_ = 0;
    QList<profile::Write> pending_;
};

namespace profile {
// Switches are stored as "Yes" or "No" and compared exactly.
inline const QString Yes = QStringLiteral("Yes");
inline const QString No = QStringLiteral("No");

// Rule Y: on only when the value is exactly "Yes" (a missing key is off).
inline bool ruleY(const QString& value) {
    return value == Yes;
}
// Rule N: on unless the value is exactly "No" (a missing key is on).
inline bool ruleN(const QString& value) {
    return value != No;
}
inline QString yesNo(bool on) {
    return on ? Yes : No;
}

// A whole number as stored: blanks around it are allowed; anything else, or nothing, is 0. A
// number beyond the range of qint64 reads as its nearest end.
qint64 toNumber(const QString& value);
} // namespace profile
