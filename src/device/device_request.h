#pragma once

// How the device operations turn the callers' parameter and field texts into JSON members.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "device/json_value.h"

// The items of a "%"-separated text: a trailing "%" adds nothing, an empty item between two
// "%" is an empty item, the empty text has none.
QStringList SplitPercentItems(const QString& text);

// Appends one member per item of a parameter text ("name:value", "name:#integer") to params.
// With the dollar rule (loft settings only) the first "$" of an item becomes a colon after the
// separating colon has been found, so "HostIp:h$80" gives h:80. Throws UserError "'x' is not a
// valid integer value" for
// "#x" that is not a whole number.
void AddParamMembers(TJsonObject& params, const QString& paramText, bool dollarRule);

// The "fields" list of a field text: one string per name.
std::unique_ptr<TJsonList> FieldList(const QString& fieldText);

// The JSON text followed by its 4-byte authentication code: the first 4 bytes of the MD5 of
// the JSON text followed by the connection key.
QByteArray SignedPayload(const QByteArray& jsonText, const QByteArray& connectionKey);
