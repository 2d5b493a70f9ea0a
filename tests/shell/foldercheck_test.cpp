// Favorite folder checks on a share that does not answer: a folder whose probe still waits is not
// probed again, however many checks the edits ask for, and is probed anew once it has answered.

#include "core/tempfolder.h"
#include "qtinput.h"
#include "shell/host/desktopfollower.h"

#include <QFileInfo>
#include <future>
#include <gtest/gtest.h>
#include <map>
#include <mutex>

using namespace QtInput;

namespace {

TEST(FolderCheck, AFolderWhoseProbeStillWaitsIsNotProbedAgain)
{
    TempFolder tmp;
    const QString there = tmp.makeFolder(QStringLiteral("there"));
    const QString hung = tmp.makeFolder(QStringLiteral("hung"));
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    auto probes = std::make_shared<std::pair<std::mutex, std::map<QString, int>>>();
    DesktopFollower follower;
    follower.setFolderProbe([hung, released, probes](const QString& folder) {
        {
            const std::lock_guard lock(probes->first);
            ++probes->second[folder];
        }
        if (folder == hung)
            released.wait();
        return QFileInfo(folder).isDir();
    });
    const auto check = [&] {
        std::optional<std::vector<Host::FolderState>> states;
        follower.checkFolders({there, hung}, 100,
                              [&](const std::vector<Host::FolderState>& s) { states = s; });
        EXPECT_TRUE(waitFor([&] { return states.has_value(); }));
        return states.value_or(std::vector<Host::FolderState>{});
    };
    using S = Host::FolderState;
    for (int edit = 0; edit < 3; ++edit)
        EXPECT_EQ(check(), (std::vector<S>{S::Present, S::NoAnswer}));
    release.set_value();
    EXPECT_TRUE(waitFor([&] { return check() == std::vector<S>{S::Present, S::Present}; }));
    const std::lock_guard lock(probes->first);
    EXPECT_EQ(probes->second[hung], 2);
    EXPECT_GE(probes->second[there], 4);
}

} // namespace
