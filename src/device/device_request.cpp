#include "device/device_request.h"

#include "data/convert.h"
#include "device/digest.h"

QStringList SplitPercentItems(const QString& text) {
    QStringList items;
    QString rest = text;
    while (!rest.isEmpty()) {
        const qsizetype p = rest.indexOf(QLatin1Char('%'));
        if (p < 0) {
            items << rest;
            rest.clear();
        } else {
            items << rest.left(p);
            rest = rest.mid(p + 1);
        }
    }
    return items;
}

void AddParamMembers(TJsonObject& params, const QString& paramText, bool dollarRule) {
    for (const QString& item : SplitPercentItems(paramText)) {
        const qsizetype colon = item.indexOf(QLatin1Char(':'));
        QString name;
        QString value = item;
        if (colon >= 0) {
            // The dollar is replaced once the separating colon is known: the first one of the
            // whole item, also when it stands in the name.
            QString replaced = item;
            const qsizetype dollar = dollarRule ? replaced.indexOf(QLatin1Char('$')) : -1;
            if (dollar >= 0) {
                replaced[dollar] = QLatin1Char(':');
            }
            name = replaced.left(colon);
            value = replaced.mid(colon + 1);
        }
        if (value.startsWith(QLatin1Char('#'))) {
            params.AddIntMember(name, StrToInt(value.mid(1)));
        } else {
            params.AddTextMember(name, value);
        }
    }
}

std::unique_ptr<TJsonList> FieldList(const QString& fieldText) {
    auto list = std::make_unique<TJsonList>();
    for (const QString& name : SplitPercentItems(fieldText)) {
        list->AppendText(name);
    }
    return list;
}

QByteArray SignedPayload(const QByteArray& jsonText, const QByteArray& connectionKey) {
    return jsonText + Md5Digest(jsonText + connectionKey).left(4);
}
