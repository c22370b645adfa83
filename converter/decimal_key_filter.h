#pragma once

#include <QObject>

// The decimal key of the numeric keypad types "." into an amount box whatever
// the keyboard layout: an Italian layout sends ",", where reading an amount
// would stop and lose the decimals.
class DecimalKeyFilter : public QObject {
public:
    explicit DecimalKeyFilter(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
