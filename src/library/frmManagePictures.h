// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "library/LibraryWindow.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

// "Manage pictures": where a parent changes the library. Remove a book,
// delete pictures from a book, create a book, add pictures to a book,
// import a picture pack and create one. Loaded anew for each opening;
// every change goes to disk at once.
//
// Set CurrentPicture (the full path of the picture on the canvas, "" for
// none) before exec(): that picture and its book are never deleted.
class frmManagePictures : public LibraryWindow
{
    Q_OBJECT
public:
    explicit frmManagePictures(const ProgramFolder& folder, QWidget* parent = nullptr);

    void setCurrentPicture(const QString& path) { m_currentPicture = path; }
    const QString& CurrentPicture() const { return m_currentPicture; }
    // The canvas area pictures are measured against when added; by default
    // the area below the bar on this window's screen.
    void setCanvasArea(QSize area) { m_canvasArea = area; }

    // The longest book title: enough for any title a parent means.
    static constexpr int MaxTitleLength = 100;

protected:
    void runCommand(const QString& tag) override;

private:
    // Commands (this file).
    void removeBook();
    void deletePictures();
    bool deletePicture(const QString& book, const QString& name);
    void importPicturePack();
    void createPicturePack();

    // Commands that add to the library (frmManagePicturesAdd.cpp).
    void addBook();
    enum class TitleProblem { None, Unusable, Exists };
    TitleProblem checkTitle(const QString& title) const;
    void addPictures();
    void addPictureFiles(const QStringList& sources);
    enum class AddOutcome { Added, Skipped, Stop };
    AddOutcome addPicture(const QString& source, const QString& book);
    AddOutcome addBlackAndWhiteCopy(const QString& name, const QImage& picture, const QString& book);
    AddOutcome addFittedCopy(const QString& name, const QImage& picture, const QString& book);
    static QImage fitted(const QImage& picture, QSize area);
    QSize canvasArea() const;
    AddOutcome pictureExists(const QString& book);
    AddOutcome writePicture(const QString& name, const QByteArray& bytes, const QString& book);
    bool isAddableBook(const QString& book) const;

    bool isDefaultBook(const QString& book) const;
    bool isOpenPicture(const QString& path) const;
    bool holdsOpenPicture(const QString& bookFolder) const;

    QString m_currentPicture;
    QSize m_canvasArea;
};
