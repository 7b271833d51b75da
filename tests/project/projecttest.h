#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "codec/sourceimage.h"
#include "generation/generationrequest.h"
#include "project/projectupdate.h"
#include "support/testsupport.h"

namespace iconsmith::test {

/**
 * A project folder in a temporary folder, beside a source picture and a trash of the test's
 * own (XDG_DATA_HOME), so that nothing outside the folder is touched.
 */
class ProjectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_project = m_dir.filePath(QStringLiteral("project"));
        QDir().mkpath(m_project);
        m_source = m_dir.filePath(QStringLiteral("logo.png"));
        writeTestPicture(m_source, QSize(1024, 1024), true);
        m_previousData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("data"))));
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", m_previousData); }

    [[nodiscard]] GenerationRequest request() const
    {
        GenerationRequest request;
        request.source = *SourceImage::load(m_source);
        request.pictures = m_pictures;
        return request;
    }
    [[nodiscard]] Result<ProjectUpdate> prepare() const
    {
        return ProjectUpdate::prepare(m_project, ProjectFinder::find(QFileInfo(m_project).canonicalFilePath()),
                                      request());
    }
    /** Prepares and runs the update, failing the test when either does not succeed. */
    ProjectReport update() const
    {
        Result<ProjectUpdate> prepared = prepare();
        EXPECT_TRUE(prepared) << (prepared ? QString() : prepared.error()).toStdString();
        if (!prepared)
            return {};
        RecordingHost host;
        ProjectReport report = prepared->run(host);
        EXPECT_TRUE(report.succeeded()) << (report.failures.isEmpty() ? ""
                                                                      : report.failures.first().reason.toStdString());
        return report;
    }
    [[nodiscard]] QString path(const QString &file) const { return m_project + u'/' + file; }

    QTemporaryDir m_dir;
    QString m_project;
    QString m_source;
    QByteArray m_previousData;
    /** The further pictures the update is given, by role. */
    QMap<SourceRole, QString> m_pictures;
};

} // namespace iconsmith::test
