// The drive list model: mounted volumes from the mount table, narrowed to the ones a user picks,
// each asked for its space on a worker.

#include "core/toolkit/drivelist.h"

#include "core/system/host.h"
#include "core/system/runtimeerror.h"
#include "core/system/volumes.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"

#include <QFileInfo>
#include <algorithm>
#include <map>

namespace {

bool isUnder(const QString& path, const QString& folder)
{
    return Volumes::Holds(folder, path);
}

bool isUnderAny(const QString& path, std::initializer_list<const char*> folders)
{
    return std::any_of(folders.begin(), folders.end(),
                       [&](const char* folder) { return isUnder(path, QLatin1String(folder)); });
}

// The kernel's and the system's own file systems, which hold no user files.
bool isPseudo(const QString& fsType)
{
    static const QStringList kTypes = {
        QStringLiteral("tmpfs"),      QStringLiteral("devtmpfs"),    QStringLiteral("ramfs"),
        QStringLiteral("overlay"),    QStringLiteral("squashfs"),    QStringLiteral("proc"),
        QStringLiteral("sysfs"),      QStringLiteral("cgroup"),      QStringLiteral("cgroup2"),
        QStringLiteral("devpts"),     QStringLiteral("mqueue"),      QStringLiteral("hugetlbfs"),
        QStringLiteral("debugfs"),    QStringLiteral("tracefs"),     QStringLiteral("securityfs"),
        QStringLiteral("pstore"),     QStringLiteral("bpf"),         QStringLiteral("autofs"),
        QStringLiteral("fusectl"),    QStringLiteral("configfs"),    QStringLiteral("binfmt_misc"),
        QStringLiteral("efivarfs"),   QStringLiteral("nsfs"),        QStringLiteral("rpc_pipefs"),
        QStringLiteral("selinuxfs"),  QStringLiteral("fuse.portal"), QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.lxcfs"), QStringLiteral("nfsd")};
    return kTypes.contains(fsType);
}

bool isNetwork(const QString& fsType)
{
    static const QStringList kTypes = {
        QStringLiteral("nfs"),         QStringLiteral("nfs4"),      QStringLiteral("cifs"),
        QStringLiteral("smb3"),        QStringLiteral("smbfs"),     QStringLiteral("sshfs"),
        QStringLiteral("fuse.sshfs"),  QStringLiteral("davfs"),     QStringLiteral("fuse.davfs2"),
        QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"), QStringLiteral("afs"),
        QStringLiteral("ceph"),        QStringLiteral("glusterfs"), QStringLiteral("fuse.glusterfs"),
        QStringLiteral("9p"),          QStringLiteral("ncpfs"),     QStringLiteral("lustre")};
    return kTypes.contains(fsType);
}

// Where the system keeps its own mounts; removable media under /run/media are the exception.
bool isSystemPlace(const QString& mountPoint)
{
    if (isUnder(mountPoint, QStringLiteral("/run/media")))
        return false;
    return isUnderAny(mountPoint, {"/proc", "/sys", "/dev", "/run", "/snap", "/boot", "/var/lib/docker",
                                   "/var/lib/containers", "/var/snap"});
}

bool isRemovablePlace(const QString& mountPoint)
{
    return isUnderAny(mountPoint, {"/media", "/mnt", "/run/media"}) &&
           mountPoint != QLatin1String("/media") && mountPoint != QLatin1String("/mnt") &&
           mountPoint != QLatin1String("/run/media");
}

// Index of the volume with the longest mount point that holds `path`, or -1.
int volumeHolding(const std::vector<DriveList::Volume>& volumes, const QString& path)
{
    int best = -1;
    for (size_t i = 0; i < volumes.size(); ++i) {
        const QString& mountPoint = volumes[i].mountPoint;
        if (isUnder(path, mountPoint) && (best < 0 || mountPoint.size() > volumes[best].mountPoint.size()))
            best = static_cast<int>(i);
    }
    return best;
}

} // namespace

DriveList::DriveList(Form& form, const QString& name) : Control(form, name)
{
    Refresh();
}

std::vector<DriveList::Volume> DriveList::UserVolumes(const std::vector<Volume>& mounts, const QString& home)
{
    // A later mount on the same point hides the earlier one.
    std::map<QString, Volume> byMountPoint;
    for (const Volume& volume : mounts)
        byMountPoint[volume.mountPoint] = volume;
    std::vector<Volume> all;
    all.reserve(byMountPoint.size());
    for (auto& [mountPoint, volume] : byMountPoint)
        all.push_back(volume);

    const int homeVolume = home.isEmpty() ? -1 : volumeHolding(all, home);
    std::vector<Volume> picked;
    for (size_t i = 0; i < all.size(); ++i) {
        const Volume& volume = all[i];
        const bool wanted =
            volume.mountPoint == QLatin1String("/") || static_cast<int>(i) == homeVolume ||
            (!isSystemPlace(volume.mountPoint) &&
             (isNetwork(volume.fsType) || (isRemovablePlace(volume.mountPoint) && !isPseudo(volume.fsType))));
        if (wanted)
            picked.push_back(volume);
    }
    return picked;
}

void DriveList::Refresh()
{
    // The mount table alone: asking each volume (statfs) waits for every one that does not answer.
    const QHash<QString, QString> labels = Volumes::LabelsByDevice();
    std::vector<Volume> mounts;
    for (const Volumes::Mount& mount : Volumes::Mounted()) {
        const QString label = mount.device.startsWith(QLatin1Char('/'))
                                  ? labels.value(QFileInfo(mount.device).canonicalFilePath())
                                  : QString();
        mounts.push_back({mount.mountPoint, mount.fsType, label, mount.device});
    }
    setVolumes(UserVolumes(mounts, Parent().host().HomeFolder()));
}

void DriveList::CheckVolumes()
{
    Workers& workers = Parent().host().workers();
    const unsigned check = ++*m_checks;
    for (size_t i = 0; i < m_volumes.size(); ++i) {
        Answer& answer = m_answers[i];
        answer.watch.reset();
        answer.silent = false;
        const QString mountPoint = m_volumes[i].mountPoint;
        const QString key = QStringLiteral("statfs:") + mountPoint;
        answer.job = workers.running<WorkerCall<Volumes::Space>>(key);
        if (!answer.job) {
            answer.job = std::make_shared<WorkerCall<Volumes::Space>>(
                key, [mountPoint] { return Volumes::SpaceOf(mountPoint); });
            workers.start(answer.job);
        }
        if (answer.job->ended())
            takeAnswer(i);
        else
            answer.watch = answer.job->watch([this, i] { takeAnswer(i); });
    }
    emit itemsChanged();
    // The timer may outlive the list and a newer list: it checks both.
    Parent().host().StartTimer(Workers::NoAnswerMilliseconds,
                               [this, check, checks = std::weak_ptr<unsigned>(m_checks)] {
                                   const auto current = checks.lock();
                                   if (!current || *current != check)
                                       return;
                                   for (Answer& answer : m_answers)
                                       answer.silent = answer.job != nullptr;
                                   emit itemsChanged();
                               });
}

void DriveList::takeAnswer(size_t index)
{
    Answer& answer = m_answers[index];
    if (!answer.job || !answer.job->ended())
        return;
    answer.space = answer.job->result().value_or(Volumes::Space{});
    answer.silent = false;
    answer.job.reset();
    answer.watch.reset();
    emit itemsChanged();
}

void DriveList::setVolumes(std::vector<Volume> volumes)
{
    m_volumes = std::move(volumes);
    m_answers.clear();
    m_answers.resize(m_volumes.size());
    ++*m_checks;
    m_listIndex = -1;
    for (size_t i = 0; i < m_volumes.size(); ++i) {
        if (m_volumes[i].mountPoint == m_drive)
            m_listIndex = static_cast<int16_t>(i);
    }
    emit itemsChanged();
    emit listIndexChanged();
}

void DriveList::setDrive(const QString& path)
{
    const int index = path.isEmpty() ? -1 : volumeHolding(m_volumes, FolderList::AbsolutePath(path, {}));
    if (index < 0)
        throw RunTimeError(ErrNo::DeviceUnavailable, path);
    setListIndex(static_cast<int16_t>(index));
}

QString DriveList::List(int16_t index) const
{
    if (index < 0 || index >= ListCount())
        return {};
    const Volume& volume = m_volumes[index];
    QString text = volume.mountPoint;
    if (!volume.label.isEmpty())
        text += QStringLiteral("  (") + volume.label + QLatin1Char(')');
    const Answer& answer = m_answers[size_t(index)];
    if (answer.space.known && SizeText)
        text += QStringLiteral("  ") + SizeText(answer.space);
    if (answer.silent)
        text += QStringLiteral("  (") + NotAnsweringNote + QLatin1Char(')');
    return text;
}

void DriveList::setListIndex(int16_t index)
{
    if (index < 0 || index >= ListCount())
        return;
    const bool changed = m_volumes[index].mountPoint != m_drive;
    m_listIndex = index;
    m_drive = m_volumes[index].mountPoint;
    emit listIndexChanged();
    if (changed)
        raise(Change);
}
