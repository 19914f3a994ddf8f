// The output-list viewer window and the batch PDF and print forms.
#include "platform/gui/oliviewer.h"

#include "platform/gui/olirender.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

QString ui(const char* utf8) { return QString::fromUtf8(utf8); }

// One page, painted at the zoom of the window.
class PageView : public QWidget {
public:
    explicit PageView(QWidget* parent) : QWidget(parent)
    {
        setAutoFillBackground(false);
        setObjectName(QStringLiteral("oliPage")); // found by the benchmarks
    }
    std::shared_ptr<OliPages> pages;
    int index = 0;
    double zoom = 1.0;

    QSize page_size() const
    {
        if (!pages) return QSize(100, 100);
        const double px_per_cm = logicalDpiX() / 2.54 * zoom;
        return QSize(int(pages->width * px_per_cm), int(pages->height * px_per_cm));
    }
    void relayout()
    {
        setFixedSize(page_size() + QSize(20, 20));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        if (!pages) return;
        const QSize s = page_size();
        p.fillRect(QRect(QPoint(13, 13), s), QColor(60, 60, 60)); // shadow
        Oli_Paint_Page(&p, *pages, index, QRectF(10, 10, s.width(), s.height()));
    }
};

class ViewerWindow : public QMainWindow {
public:
    explicit ViewerWindow(const std::string& path) : path_(path)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        pages_ = std::make_shared<OliPages>();
        Oli_Load_Pages(path, pages_.get());
        setWindowTitle(ui("Druckliste - ") + QString::fromLocal8Bit(path.c_str()));

        view_ = new PageView(this);
        view_->pages = pages_;
        scroll_ = new QScrollArea(this);
        scroll_->setWidget(view_);
        scroll_->setAlignment(Qt::AlignHCenter);
        scroll_->setBackgroundRole(QPalette::Dark);
        setCentralWidget(scroll_);

        QToolBar* bar = addToolBar(ui("Seiten"));
        bar->setMovable(false);
        QAction* first = bar->addAction(ui("|<"), [this] { go(0); });
        first->setToolTip(ui("Erste Seite"));
        QAction* prev = bar->addAction(ui("<"), [this] { go(view_->index - 1); });
        prev->setToolTip(ui("Vorherige Seite"));
        prev->setShortcut(QKeySequence(Qt::Key_PageUp));
        spin_ = new QSpinBox(this);
        spin_->setRange(1, int(pages_->pages.size()));
        bar->addWidget(spin_);
        count_ = new QLabel(ui(" von %1 ").arg(pages_->pages.size()), this);
        bar->addWidget(count_);
        QAction* next = bar->addAction(ui(">"), [this] { go(view_->index + 1); });
        next->setToolTip(ui("Nächste Seite"));
        next->setShortcut(QKeySequence(Qt::Key_PageDown));
        QAction* last = bar->addAction(ui(">|"), [this] { go(int(pages_->pages.size()) - 1); });
        last->setToolTip(ui("Letzte Seite"));
        bar->addSeparator();
        QAction* out = bar->addAction(ui("−"), [this] { set_zoom(view_->zoom / 1.25); });
        out->setToolTip(ui("Verkleinern"));
        out->setShortcut(QKeySequence::ZoomOut);
        zoom_label_ = new QLabel(this);
        bar->addWidget(zoom_label_);
        QAction* in = bar->addAction(ui("+"), [this] { set_zoom(view_->zoom * 1.25); });
        in->setToolTip(ui("Vergrößern"));
        in->setShortcut(QKeySequence::ZoomIn);
        bar->addAction(ui("Seitenbreite"), [this] { fit_width(); });
        bar->addAction(ui("Ganze Seite"), [this] { fit_page(); });
        bar->addSeparator();
        QAction* pdf = bar->addAction(ui("PDF speichern..."), [this] { export_pdf(); });
        pdf->setShortcut(QKeySequence::Save);
        QAction* print = bar->addAction(ui("Drucken..."), [this] { print_dialog(); });
        print->setShortcut(QKeySequence::Print);
        QAction* close_action = bar->addAction(ui("Schließen"), [this] { close(); });
        close_action->setShortcut(QKeySequence(Qt::Key_Escape));
        connect(spin_, QOverload<int>::of(&QSpinBox::valueChanged), this, [this](int v) { go(v - 1); });

        if (!pages_->bookmarks.empty()) {
            QDockWidget* dock = new QDockWidget(ui("Inhalt"), this);
            dock->setFeatures(QDockWidget::DockWidgetClosable);
            QTreeWidget* tree = new QTreeWidget(dock);
            tree->setHeaderHidden(true);
            std::vector<QTreeWidgetItem*> parents;
            for (size_t k = 0; k < pages_->bookmarks.size(); ++k) {
                const OliBookmarkEntry& b = pages_->bookmarks[k];
                const size_t level = size_t(std::max(0, b.level));
                QTreeWidgetItem* item;
                if (level == 0 || parents.empty()) {
                    item = new QTreeWidgetItem(tree);
                    parents.assign(1, item);
                } else {
                    const size_t up = std::min(level, parents.size());
                    item = new QTreeWidgetItem(parents[up - 1]);
                    parents.resize(up);
                    parents.push_back(item);
                }
                item->setText(0, b.text);
                item->setData(0, Qt::UserRole, int(k));
            }
            tree->expandAll();
            connect(tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* it, int) {
                const int k = it->data(0, Qt::UserRole).toInt();
                if (k < 0 || size_t(k) >= pages_->bookmarks.size()) return;
                const OliBookmarkEntry& b = pages_->bookmarks[size_t(k)];
                go(b.page);
                const double px_per_cm = view_->logicalDpiX() / 2.54 * view_->zoom;
                scroll_->verticalScrollBar()->setValue(int(b.y * px_per_cm));
            });
            dock->setWidget(tree);
            addDockWidget(Qt::LeftDockWidgetArea, dock);
        }
        if (!pages_->warnings.empty()) {
            QString all;
            for (const std::string& w : pages_->warnings) all += QString::fromLocal8Bit(w.c_str()) + '\n';
            QLabel* label = new QLabel(ui("%1 Hinweise beim Lesen der Liste").arg(pages_->warnings.size()), this);
            label->setToolTip(all.trimmed());
            statusBar()->addPermanentWidget(label);
        }
        place_on_screen();
        view_->zoom = 1.0;
        set_zoom(1.0);
        go(0);
    }

private:
    // 900 x 1000 where the screen has room; never larger than the part of the
    // screen a window may take, title bar and frame included.
    void place_on_screen()
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen) {
            resize(900, 1000);
            return;
        }
        const QRect area = screen->availableGeometry();
        const QSize frame(16, 40); // a window manager's frame and title bar, before the first show
        const QSize size = QSize(900, 1000).boundedTo(area.size() - frame);
        resize(size);
        move(area.left() + (area.width() - size.width() - frame.width()) / 2, area.top());
    }
    void go(int index)
    {
        const int n = int(pages_->pages.size());
        index = std::max(0, std::min(index, n - 1));
        if (index != view_->index) scroll_->verticalScrollBar()->setValue(0); // a new page from its top
        view_->index = index;
        if (spin_->value() != index + 1) {
            QSignalBlocker block(spin_);
            spin_->setValue(index + 1);
        }
        statusBar()->showMessage(ui("Seite %1 von %2").arg(index + 1).arg(n));
        view_->update();
    }
    void set_zoom(double z)
    {
        view_->zoom = std::max(0.2, std::min(z, 6.0));
        zoom_label_->setText(QString(" %1 % ").arg(int(std::lround(view_->zoom * 100))));
        view_->relayout();
    }
    // The room for the page without scroll bars; the page widget adds a
    // margin of 10 pixels and its shadow around the page.
    QSize room() const { return scroll_->maximumViewportSize() - QSize(24, 24); }
    void fit_width()
    {
        // A page that is taller than the window brings the vertical bar.
        const double px = view_->logicalDpiX() / 2.54 * pages_->width;
        set_zoom((room().width() - scroll_->verticalScrollBar()->sizeHint().width()) / px);
    }
    void fit_page()
    {
        const double px_w = view_->logicalDpiX() / 2.54 * pages_->width;
        const double px_h = view_->logicalDpiY() / 2.54 * pages_->height;
        set_zoom(std::min(room().width() / px_w, room().height() / px_h));
    }
    void export_pdf()
    {
        // Proposed under a name of its own: printing without a printer writes
        // Oli_Pdf_Path_Of and must never replace what the user saved here.
        const QString name = QFileDialog::getSaveFileName(this, ui("Als PDF speichern"),
                                                          QString::fromLocal8Bit(Oli_Export_Pdf_Path_Of(path_).c_str()),
                                                          ui("PDF-Dateien (*.pdf)"));
        if (name.isEmpty()) return;
        std::string error;
        if (!Oli_Write_Pdf(*pages_, name.toLocal8Bit().toStdString(), &error))
            QMessageBox::warning(this, ui("PDF speichern"),
                                 ui("Die PDF-Datei kann nicht geschrieben werden:\n") + name);
        else
            statusBar()->showMessage(ui("Gespeichert: ") + name, 5000);
    }
    void print_dialog()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QString::fromLocal8Bit(path_.c_str()));
        // Printing into a file writes beside the list, not into the home folder.
        const QString beside = QString::fromLocal8Bit(Oli_Pdf_Path_Of(Oli_Absolute_Path(path_)).c_str());
        if (QPrinterInfo::availablePrinterNames().isEmpty()) printer.setOutputFileName(beside);
        // A child of the viewer and modal to it only: it never hides behind the
        // viewer and leaves the program's other windows alone.
        QPrintDialog dialog(&printer, this);
        // Qt's dialog proposes a file in the home folder when a printer exists;
        // its file field is the line edit named "filename".
        if (QLineEdit* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) file->setText(beside);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinMax(1, int(pages_->pages.size()));
        if (dialog.exec() != QDialog::Accepted) return;
        if (!Oli_Print_Pages(*pages_, &printer)) {
            QMessageBox::warning(this, ui("Drucken"), ui("Die Liste kann nicht gedruckt werden."));
            return;
        }
        if (!printer.outputFileName().isEmpty())
            QMessageBox::information(this, ui("Drucken"),
                                     ui("Die Druckliste steht in der PDF-Datei\n") + printer.outputFileName());
        else
            statusBar()->showMessage(ui("Gedruckt auf ") + printer.printerName(), 8000);
    }

    std::string path_;
    std::shared_ptr<OliPages> pages_;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSpinBox* spin_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* zoom_label_ = nullptr;
};

std::string joined(const std::vector<std::string>& w)
{
    std::string s;
    for (const std::string& x : w) s += x + "\n";
    return s;
}

} // namespace

QWidget* Oli_Open_Viewer(const std::string& path)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return nullptr;
    // A list shown again replaces its old window, which shows the old pages.
    static std::map<std::string, QPointer<QWidget>> open;
    QRect where;
    auto it = open.find(path);
    if (it != open.end() && it->second) {
        where = it->second->geometry();
        it->second->close();
    }
    ViewerWindow* w = new ViewerWindow(path);
    if (where.isValid()) w->setGeometry(where);
    open[path] = w;
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

std::string Oli_Export_Pdf_Path_Of(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return path + "_Liste.pdf";
    return path.substr(0, dot) + ".pdf";
}

bool Oli_Render_File_To_Pdf(const std::string& path, const std::string& pdf_path, std::string* error,
                            std::string* warnings)
{
    if (!Oli_Ensure_Gui()) {
        if (error) *error = "no Qt GUI application for painting";
        return false;
    }
    OliPages pages;
    const bool read = Oli_Load_Pages(path, &pages);
    if (warnings) *warnings = joined(pages.warnings);
    if (!read) {
        if (error) *error = "\"" + path + "\" cannot be read";
        return false;
    }
    return Oli_Write_Pdf(pages, pdf_path, error);
}

bool Oli_Print_File(const std::string& path, std::string* pdf_written, std::string* error)
{
    if (pdf_written) pdf_written->clear();
    if (!Oli_Ensure_Gui()) {
        if (error) *error = "no Qt GUI application for painting";
        return false;
    }
    OliPages pages;
    if (!Oli_Load_Pages(path, &pages)) {
        if (error) *error = "\"" + path + "\" cannot be read";
        return false;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(pages.title.isEmpty() ? QString::fromLocal8Bit(path.c_str()) : pages.title);
        if (Oli_Print_Pages(pages, &printer)) return true;
        if (error) *error = "the printer \"" + info.printerName().toStdString() + "\" does not take the list";
        return false;
    }
    const std::string pdf = Oli_Pdf_Path_Of(path);
    if (!Oli_Write_Pdf(pages, pdf, error)) return false;
    if (pdf_written) *pdf_written = pdf;
    return true;
}
