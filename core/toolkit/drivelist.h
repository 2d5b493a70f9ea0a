#pragma once
// The mounted volumes a user would pick, each shown as mount point and label: the root, the
// volume of the home folder, removable media and network mounts. Listed from the mount table at
// once; a volume that does not answer a check in time is shown as such and can still be chosen.

#include "core/system/volumes.h"
#include "core/system/workers.h"
#include "core/toolkit/control.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class DriveList : public Control
{
    Q_OBJECT

public:
    /// One mounted file system as the system reports it.
    struct Volume
    {
        QString mountPoint;
        QString fsType;
        QString label;  // the volume's name; may be empty
        QString device; // e.g. /dev/sdb1 or server:/share
    };

    /// Lists the volumes mounted now.
    DriveList(Form& form, const QString& name);

    /// The mount point of the chosen volume.
    const QString& Drive() const { return m_drive; }
    /// Chooses the listed volume that holds `path` (the longest mount point that contains it)
    /// and runs Change when it differs from the chosen one. Throws RunTimeError 68 when no
    /// listed volume holds it.
    void setDrive(const QString& path);

    /// Mount point and, when the volume has one, its label: "/media/usb  (MYSTICK)", then SizeText
    /// of its space once it answered; a volume that did not answer in time ends with
    /// NotAnsweringNote in brackets.
    QString List(int16_t index) const;
    int16_t ListCount() const { return static_cast<int16_t>(m_volumes.size()); }
    /// The chosen volume; choosing another one runs Change.
    int16_t ListIndex() const { return m_listIndex; }
    void setListIndex(int16_t index);

    /// Reads the mounted volumes again; the chosen one stays chosen while it is mounted.
    void Refresh();
    /// Asks every listed volume for its space on a worker (one job per mount point, watched again
    /// while it still waits); each row fills in as its volume answers.
    void CheckVolumes();
    /// What a volume that did not answer says after its name, in the form's language.
    QString NotAnsweringNote;
    /// How a volume's space reads, in the form's language.
    std::function<QString(const Volumes::Space&)> SizeText;
    /// Shows exactly these volumes (already picked), for example a fixed set in a test.
    void setVolumes(std::vector<Volume> volumes);

    /// The volumes worth offering out of all mounts, sorted by mount point, one per mount
    /// point. `home` is the user's home folder, whose volume is always offered.
    static std::vector<Volume> UserVolumes(const std::vector<Volume>& mounts, const QString& home);

    std::function<void()> Change;

signals:
    void itemsChanged();
    void listIndexChanged();

private:
    std::vector<Volume> m_volumes;
    void takeAnswer(size_t index);

    struct Answer
    {
        std::shared_ptr<WorkerCall<Volumes::Space>> job;
        WorkerJob::Watch watch;
        Volumes::Space space;
        bool silent = false; // no answer within the time
    };
    std::vector<Answer> m_answers; // by volume
    std::shared_ptr<unsigned> m_checks = std::make_shared<unsigned>(0);
    QString m_drive;
    int16_t m_listIndex = -1;
};
