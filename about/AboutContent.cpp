// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutContent.h"
#include "about/AboutTexts.h"
#include <utility>

namespace {
QString heading(const QString& text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text.toHtmlEscaped());
}

QString paragraph(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

// A text whose %1 is a path: the path stays whole on one line where it can.
QString withPath(const QString& text, const QString& path)
{
    return QStringLiteral("<p>%1</p>")
        .arg(text.toHtmlEscaped().arg(QStringLiteral("<tt>%1</tt>").arg(path.toHtmlEscaped())));
}
} // namespace

QString about::markPictureName(MarkPicture picture)
{
    switch (picture) {
    case MarkPicture::NewMoon:
        return QStringLiteral("marks:new");
    case MarkPicture::FullMoon:
        return QStringLiteral("marks:full");
    case MarkPicture::Season:
        return QStringLiteral("marks:season");
    case MarkPicture::Events:
        return QStringLiteral("marks:events");
    case MarkPicture::SolarEclipse:
        return QStringLiteral("marks:solar-eclipse");
    case MarkPicture::LunarEclipse:
        return QStringLiteral("marks:lunar-eclipse");
    }
    return QString();
}

QString about::html(const Facts& facts)
{
    QString text = QStringLiteral("<h2>%1</h2>").arg(AboutTexts::Product.toHtmlEscaped());
    text += paragraph(AboutTexts::Version().arg(facts.version));
    text += paragraph(AboutTexts::Summary());
    text += paragraph(AboutTexts::Licence());
    text += paragraph(AboutTexts::Credits());
    text += paragraph(AboutTexts::HolidaysCredit());
    text += heading(AboutTexts::HeadingFigures()) + paragraph(AboutTexts::Julian()) + paragraph(AboutTexts::Span());
    text += heading(AboutTexts::HeadingColours());
    text += QStringLiteral("<p><span style=\"color:#800000\">%1</span></p>").arg(AboutTexts::Maroon().toHtmlEscaped());
    text += QStringLiteral("<p><span style=\"color:#000080\">%1</span></p>").arg(AboutTexts::Navy().toHtmlEscaped());
    text += heading(AboutTexts::HeadingMarks()) + QStringLiteral("<table cellspacing=\"2\">");
    const std::pair<MarkPicture, QString> legend[] = {{MarkPicture::NewMoon, AboutTexts::MarkNewMoon()},
                                                      {MarkPicture::FullMoon, AboutTexts::MarkFullMoon()},
                                                      {MarkPicture::Season, AboutTexts::MarkSeason()},
                                                      {MarkPicture::Events, AboutTexts::MarkEvents()},
                                                      {MarkPicture::SolarEclipse, AboutTexts::MarkSolarEclipse()},
                                                      {MarkPicture::LunarEclipse, AboutTexts::MarkLunarEclipse()}};
    for (const auto& [picture, meaning] : legend)
        text += QStringLiteral("<tr><td><img src=\"%1\"></td><td>&nbsp;%2</td></tr>")
                    .arg(markPictureName(picture), meaning.toHtmlEscaped());
    text += QStringLiteral("<tr><td><span style=\"color:#800000; background:#ffffa0\"><b>9</b></span></td>"
                           "<td>&nbsp;%1</td></tr></table>")
                .arg(AboutTexts::MarkToday().toHtmlEscaped());
    text += paragraph(AboutTexts::MarksWhen());
    text += heading(AboutTexts::HeadingFiles()) + withPath(AboutTexts::SettingsFile(), facts.settingsPath);
    text += facts.statePath.isEmpty() ? paragraph(AboutTexts::NoStateFile())
                                      : withPath(AboutTexts::StateFile(), facts.statePath);
    text += heading(AboutTexts::HeadingKeys()) + QStringLiteral("<table cellspacing=\"2\">");
    for (const Shortcut& shortcut : facts.shortcuts)
        text += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;%2</td></tr>")
                    .arg(shortcut.keys.toHtmlEscaped(), shortcut.what.toHtmlEscaped());
    text += QStringLiteral("</table>");
    return text;
}
