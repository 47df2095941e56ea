// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/CityList.h"
#include "places/CitySources.h"
#include <QList>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
// Plain characters: the child writes before any of the program's own objects are made.
constexpr char EndWord[] = "end";
constexpr int FieldCount = 6; // name, region, country, zone, latitude, longitude; then the keys

QByteArray field(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    // A name holding a line's or a field's end would split the line.
    for (char& c : bytes) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return bytes;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// The child's side, before main: the cities to standard output, then the end, without running the program.
__attribute__((constructor)) void listCitiesWhenAsked()
{
    if (!std::getenv(citylist::ChildVariable))
        return;
    const bool written = writeAll(STDOUT_FILENO, citylist::lines(places::databaseCities()));
    // No exit handlers: nothing of the program was started, and nothing of it is to be ended.
    ::_exit(written ? 0 : 1);
}

void endChild(pid_t pid)
{
    ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}
} // namespace

namespace citylist {

QByteArray lines(const std::vector<City>& cities)
{
    QByteArray out;
    for (const City& city : cities) {
        QList<QByteArray> fields{field(city.name),
                                 field(city.region),
                                 field(city.country),
                                 field(city.zone),
                                 QByteArray::number(city.latitude, 'g', 17),
                                 QByteArray::number(city.longitude, 'g', 17)};
        for (const QString& key : city.keys)
            fields.append(field(key));
        out += fields.join('\t');
        out += '\n';
    }
    out += QByteArray(EndWord) + '\t' + QByteArray::number(qulonglong(cities.size())) + '\n';
    return out;
}

std::optional<std::vector<City>> read(const QByteArray& lines)
{
    if (!lines.endsWith('\n'))
        return std::nullopt;
    QList<QByteArray> rows = lines.split('\n');
    rows.removeLast();
    if (rows.isEmpty())
        return std::nullopt;
    const QList<QByteArray> end = rows.takeLast().split('\t');
    bool counted = false;
    if (end.size() != 2 || end.first() != EndWord || end.last().toLongLong(&counted) != rows.size() || !counted)
        return std::nullopt;
    std::vector<City> cities;
    cities.reserve(std::size_t(rows.size()));
    for (const QByteArray& row : rows) {
        const QList<QByteArray> fields = row.split('\t');
        if (fields.size() < FieldCount)
            return std::nullopt;
        City city;
        city.name = QString::fromUtf8(fields[0]);
        city.region = QString::fromUtf8(fields[1]);
        city.country = QString::fromUtf8(fields[2]);
        city.zone = QString::fromUtf8(fields[3]);
        bool latitude = false;
        bool longitude = false;
        city.latitude = fields[4].toDouble(&latitude);
        city.longitude = fields[5].toDouble(&longitude);
        if (!latitude || !longitude)
            return std::nullopt;
        // The database has a few places off the globe (a longitude of -565°): no one can be sent there.
        if (!(std::fabs(city.latitude) <= 90) || !(std::fabs(city.longitude) <= 180) || city.name.isEmpty())
            continue;
        for (qsizetype i = FieldCount; i < fields.size(); ++i)
            city.keys.append(QString::fromUtf8(fields[i]));
        cities.push_back(std::move(city));
    }
    return cities;
}

std::optional<std::vector<City>> fromChild(const QByteArray& program, const std::atomic<bool>* stop)
{
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return std::nullopt;
    // The program's own environment, with the word that makes it the child.
    std::vector<QByteArray> settings;
    const QByteArray childSetting = QByteArray(ChildVariable) + '=';
    for (char** each = environ; each && *each; ++each) {
        if (!QByteArray(*each).startsWith(childSetting))
            settings.emplace_back(*each);
    }
    settings.push_back(childSetting + '1');
    std::vector<char*> envp;
    for (QByteArray& setting : settings)
        envp.push_back(setting.data());
    envp.push_back(nullptr);
    QByteArray name = program;
    char* argv[] = {name.data(), nullptr};

    // The library's last words on a damaged file go nowhere: the search says it in one line of its own.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawn(&pid, program.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
        ::close(pipe[0]);
        return std::nullopt;
    }

    // One deadline for the whole: a child that trickles its lines is as late as one that says nothing.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ChildWaitMs);
    const auto timeLeft = [&deadline, stop] {
        return !(stop && stop->load()) && std::chrono::steady_clock::now() < deadline;
    };
    constexpr int StepMs = 50;
    QByteArray out;
    bool complete = false;
    while (timeLeft()) {
        pollfd ready{pipe[0], POLLIN, 0};
        const int polled = ::poll(&ready, 1, StepMs);
        if (polled < 0 && errno != EINTR)
            break;
        if (polled <= 0)
            continue;
        char chunk[65536];
        const ssize_t n = ::read(pipe[0], chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            complete = n == 0;
            break;
        }
        out.append(chunk, n);
        if (out.size() > MostListBytes)
            break;
    }
    ::close(pipe[0]);
    int status = 0;
    bool ended = false;
    while (complete && !ended && timeLeft()) {
        ended = ::waitpid(pid, &status, WNOHANG) == pid;
        if (!ended)
            ::usleep(StepMs * 1000 / 5);
    }
    if (!ended) {
        endChild(pid);
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return read(out);
}

} // namespace citylist
