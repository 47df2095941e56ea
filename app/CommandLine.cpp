// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "about/AboutTexts.h"
#include "paper/ExportCommand.h"
#include "paper/ExportTexts.h"
#include "system/Autostart.h"
#include "translations/Translations.h"
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QProcessEnvironment>
#include <cstdio>

namespace {
void tell(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    if (!text.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stream);
}
} // namespace

namespace commandline {

QStringList withoutToolkitOptions(const QStringList& arguments)
{
    // The options QGuiApplication and QApplication take for themselves, with one dash or two.
    static const QStringList withValue =
        QStringLiteral("platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowicon icon "
                       "qwindowtitle title session display name visual style stylesheet")
            .split(QLatin1Char(' '));
    static const QStringList flags =
        QStringLiteral("reverse widgetcount nograb dograb sync testability qmljsdebugger").split(QLatin1Char(' '));
    QStringList own;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name = argument;
        if (name.startsWith(QLatin1String("--"))) {
            name.remove(0, 2);
        } else if (name.startsWith(QLatin1Char('-'))) {
            name.remove(0, 1);
        } else {
            own.append(argument);
            continue;
        }
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const QString bare = equals < 0 ? name : name.left(equals);
        if (withValue.contains(bare)) {
            if (equals < 0)
                ++i; // its value, as the toolkit takes it
        } else if (!flags.contains(bare) || (equals >= 0 && bare != QLatin1String("qmljsdebugger"))) {
            own.append(argument);
        }
    }
    return own;
}

Reading read(const QStringList& arguments)
{
    const QStringList own = withoutToolkitOptions(arguments);
    if (own.isEmpty())
        return {};
    if (exportcommand::asked(arguments))
        return {Reading::Kind::Export, {}};

    QCommandLineParser parser;
    // "-help" is --help, never -h -e -l -p: a single dash starts a whole word, as in the toolkit's own options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(AboutTexts::Summary());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, ExportTexts::HelpOption());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, ExportTexts::VersionOption());
    const QCommandLineOption hidden(autostart::StartHiddenOption.mid(2), ExportTexts::HiddenOption());
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(hidden);
    // Listed for the help; their arguments are the export's to read.
    parser.addOption(
        QCommandLineOption(QStringLiteral("export"), ExportTexts::ExportOption(), ExportTexts::ExportValues()));
    parser.addOption(
        QCommandLineOption(QStringLiteral("paper"), ExportTexts::PaperOption(), QStringLiteral("a4|letter")));
    if (!parser.parse(QStringList{QStringLiteral("dorvane")} + own))
        return {Reading::Kind::Wrong, parser.errorText()};
    if (parser.isSet(help))
        return {Reading::Kind::Help, parser.helpText()};
    if (parser.isSet(version))
        return {Reading::Kind::Version, AboutTexts::Product + QLatin1Char(' ') + QStringLiteral(DORVANE_VERSION)};
    if (!parser.positionalArguments().isEmpty())
        return {Reading::Kind::Wrong, ExportTexts::UnknownArgument(parser.positionalArguments().first())};
    if (parser.isSet(hidden))
        return {Reading::Kind::Hidden, {}};
    return {};
}

std::optional<int> runIfAsked(int& argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Decided before any application object: the window's start pays for nothing here.
    const Reading::Kind kind = read(arguments).kind;
    if (kind == Reading::Kind::Window || kind == Reading::Kind::Hidden)
        return std::nullopt;
    if (kind == Reading::Kind::Export)
        return exportcommand::run(argc, argv);

    // A core application only: the answer needs the user's language, never a display.
    QCoreApplication application(argc, argv);
    l10n::install(l10n::messagesLocaleIsC(QProcessEnvironment::systemEnvironment()) ? QLocale::c() : QLocale::system());
    const Reading reading = read(arguments);
    if (reading.kind == Reading::Kind::Wrong) {
        tell(stderr, reading.text);
        return exportcommand::WrongArguments;
    }
    tell(stdout, reading.text);
    return 0;
}

bool startsHidden(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return argc > 1 && read(arguments).kind == Reading::Kind::Hidden;
}

} // namespace commandline
