#pragma once

#include <QSet>
#include <QString>
#include <QTranslator>

// A translator that knows the texts of a translation catalogue (.ts file)
// and "translates" each into itself between MARK_BEGIN and MARK_END. A text
// shown without the marks does not reach the catalogue: lupdate did not
// find it, or it is looked up in another context than lupdate gave it.
class CatalogueTranslator : public QTranslator
{
    Q_OBJECT

public:
    static const QString MARK_BEGIN;
    static const QString MARK_END;

    explicit CatalogueTranslator(QObject* parent = nullptr);

    // Adds the texts of a catalogue of the repository ("Gadgets_de_DE.ts");
    // false when it cannot be read.
    bool addCatalogue(const QString& fileName);
    static bool isMarked(const QString& text);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override;

private:
    QSet<QString> m_keys;
};
