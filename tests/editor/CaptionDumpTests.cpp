// Temporary: dumps every caption of the settings pages, to compare before and after a change.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <fstream>

#include "EditorTest.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

using CaptionDump = EditorTest;

QString Path(QWidget* w)
{
    QString path;
    for (QWidget* p = w; p != nullptr; p = p->parentWidget())
        path = p->objectName() + u"/"_s + path;
    return path;
}

TEST_F(CaptionDump, AllPages)
{
    const char* out = std::getenv("CAPTION_DUMP");
    if (out == nullptr)
        GTEST_SKIP();
    std::ofstream file(out);
    for (int model = 0; model < 7; ++model) {
        for (const char* key : {"Usable", "Common", "DSC", "ATIS"}) {
            Start(model, QString::fromUtf8(key));
            file << "== model " << model << " " << key << "\n";
            const QList<QWidget*> widgets = m_editor->findChildren<QWidget*>();
            for (QWidget* w : widgets) {
                QString text;
                if (auto* l = qobject_cast<QLabel*>(w))
                    text = u"label "_s + l->text();
                else if (auto* g = qobject_cast<QGroupBox*>(w))
                    text = u"group "_s + g->title();
                else if (auto* c = qobject_cast<QCheckBox*>(w))
                    text = u"check "_s + c->text();
                else if (auto* t = qobject_cast<QTabBar*>(w)) {
                    text = u"tabs"_s;
                    for (int i = 0; i < t->count(); ++i)
                        text += u" "_s + t->tabText(i);
                } else if (auto* b = qobject_cast<QComboBox*>(w)) {
                    text = u"combo"_s;
                    for (int i = 0; i < b->count(); ++i)
                        text += u" "_s + b->itemText(i);
                } else
                    continue;
                file << (w->isVisibleTo(m_editor.get()) ? "V " : "H ") << (w->isEnabled() ? "E " : "D ")
                     << Path(w).toStdString() << " " << text.toStdString() << "\n";
            }
        }
    }
}

}  // namespace
}  // namespace kelpie
