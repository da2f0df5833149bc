#include "reports/export/PayrollPdf.h"

#include "reports/core/Payroll.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace {

// One translation context for the whole file, the page layout's texts included.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PayrollPdf)
};

QString clock(const QTime &time)
{
    return time.isNull() ? u"-"_s : time.toString(u"HH:mm"_s);
}

// Lays lines down the pages, starting a page with its heading when one is full.
class Pages
{
public:
    Pages(QPdfWriter &writer, const Payroll &payroll)
        : m_writer(writer), m_painter(&writer), m_payroll(payroll)
    {
        m_body.setPointSize(9);
        m_bold = m_body;
        m_bold.setBold(true);
        m_lineHeight = QFontMetrics(m_body, &writer).height() * 5 / 4;
        m_width = m_painter.viewport().width();
        m_height = m_painter.viewport().height();
        heading();
    }

    bool active() const { return m_painter.isActive(); }

    // Cells at fractions of the page's width.
    void line(const QStringList &cells, bool bold = false)
    {
        static const double columns[] = {0.0, 0.16, 0.28, 0.40, 0.52, 0.64, 0.76, 0.88};
        if (m_y + m_lineHeight > m_height)
            newPage();
        m_painter.setFont(bold ? m_bold : m_body);
        for (int i = 0; i < cells.size() && i < 8; ++i)
            m_painter.drawText(QPointF(columns[i] * m_width, m_y + m_lineHeight * 0.8), cells[i]);
        m_y += m_lineHeight;
    }
    void text(const QString &text, bool bold = false)
    {
        if (m_y + m_lineHeight > m_height)
            newPage();
        m_painter.setFont(bold ? m_bold : m_body);
        m_painter.drawText(QPointF(0, m_y + m_lineHeight * 0.8), text);
        m_y += m_lineHeight;
    }
    void gap() { m_y += m_lineHeight / 2; }
    // Starts a page when fewer than `lines` fit on this one.
    void keep(int lines)
    {
        if (m_y + lines * m_lineHeight > m_height)
            newPage();
    }

private:
    void newPage()
    {
        m_writer.newPage();
        m_y = 0;
        heading();
    }
    void heading()
    {
        ++m_page;
        QFont title = m_bold;
        title.setPointSize(12);
        m_painter.setFont(title);
        const int titleHeight = QFontMetrics(title, &m_writer).height();
        m_painter.drawText(QPointF(0, titleHeight * 0.8), m_payroll.company);
        m_y = titleHeight;
        text(Text::tr("Payroll from %1 to %2")
                 .arg(m_payroll.from.toString(Qt::ISODate), m_payroll.to.toString(Qt::ISODate)));
        m_painter.drawText(QRectF(0, m_y - m_lineHeight, m_width, m_lineHeight),
                           Qt::AlignRight | Qt::AlignVCenter, Text::tr("Page %1").arg(m_page));
        text(Text::tr("Made %1").arg(m_payroll.madeAt.toString(u"yyyy-MM-dd HH:mm"_s)));
        m_painter.drawLine(QPointF(0, m_y + 2), QPointF(m_width, m_y + 2));
        m_y += m_lineHeight;
    }

    QPdfWriter &m_writer;
    QPainter m_painter;
    const Payroll &m_payroll;
    QFont m_body;
    QFont m_bold;
    int m_lineHeight = 0;
    int m_width = 0;
    int m_height = 0;
    int m_y = 0;
    int m_page = 0;
};

void writeEmployee(Pages &pages, const Payroll::Employee &employee)
{
    pages.keep(4);
    pages.text(employee.name + u"  ("_s + Text::tr("card") + u' ' + employee.cardNumber + u')',
               true);
    pages.line({Text::tr("Date"), Text::tr("First IN"), Text::tr("Last OUT"), Text::tr("Worked"),
                Text::tr("Breaks"), Text::tr("Paid"), Text::tr("Paid hours"),
                Text::tr("Incomplete")},
               true);
    for (const WorkPeriods::Day &day : employee.days)
        pages.line({day.date.toString(Qt::ISODate), clock(day.firstIn), clock(day.lastOut),
                    Payroll::hoursMinutes(day.workedMinutes),
                    Payroll::hoursMinutes(day.breakMinutes), Payroll::hoursMinutes(day.paidMinutes),
                    Payroll::decimalHours(day.paidMinutes),
                    day.incomplete ? Text::tr("yes") : QString()});
    for (const WorkPeriods::Week &week : employee.weeks)
        pages.line({Text::tr("Week from"), week.monday.toString(Qt::ISODate), QString(), QString(),
                    QString(), Payroll::hoursMinutes(week.paidMinutes),
                    Payroll::decimalHours(week.paidMinutes),
                    Text::tr("overtime %1").arg(Payroll::hoursMinutes(week.overtimeMinutes))});
    pages.line(
        {Text::tr("Total"), QString(), QString(), Payroll::hoursMinutes(employee.workedMinutes),
         Payroll::hoursMinutes(employee.breakMinutes), Payroll::hoursMinutes(employee.paidMinutes),
         Payroll::decimalHours(employee.paidMinutes),
         Text::tr("overtime %1").arg(Payroll::hoursMinutes(employee.overtimeMinutes))},
        true);
    pages.gap();
}

} // namespace

namespace PayrollPdf {

bool write(const Payroll &payroll, QIODevice &device)
{
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(Text::tr("Payroll from %1 to %2")
                        .arg(payroll.from.toString(Qt::ISODate), payroll.to.toString(Qt::ISODate)));
    writer.setCreator(u"Chronel"_s);
    Pages pages(writer, payroll);
    if (!pages.active())
        return false;
    for (const Payroll::Employee &employee : payroll.employees)
        writeEmployee(pages, employee);
    return true;
}

} // namespace PayrollPdf
