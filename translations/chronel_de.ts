<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AccessGate</name>
    <message>
        <source>Disabled</source>
        <translation>Ausgeschaltet</translation>
    </message>
    <message>
        <source>Breaks are currently disabled.They can be enabled via the program options menu</source>
        <translation>Pausen sind zurzeit ausgeschaltet. Sie lassen sich in den Programmoptionen einschalten</translation>
    </message>
    <message>
        <source>Authorisation</source>
        <translation>Berechtigung</translation>
    </message>
    <message>
        <source>Sorry you do not have access to this function</source>
        <translation>Sie haben leider keinen Zugriff auf diese Funktion</translation>
    </message>
</context>
<context>
    <name>AuditTrailDialog</name>
    <message>
        <source>:: Audit Trail ::</source>
        <translation>:: Prüfprotokoll ::</translation>
    </message>
    <message>
        <source>Please select a date range and a kind of change:</source>
        <translation>Bitte wählen Sie einen Zeitraum und eine Art der Änderung:</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Alle Änderungen</translation>
    </message>
    <message>
        <source>Kind of change</source>
        <translation>Art der Änderung</translation>
    </message>
    <message>
        <source>Kind of change:</source>
        <translation>Art der Änderung:</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>AuthorizeBreakDialog</name>
    <message>
        <source>:: Break Authorization ::</source>
        <translation>:: Pausenfreigabe ::</translation>
    </message>
    <message>
        <source>Please select employee to authorize</source>
        <translation>Bitte wählen Sie den Mitarbeiter für die Freigabe</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Employee Name:</source>
        <translation>Name des Mitarbeiters:</translation>
    </message>
    <message>
        <source>Clock in/out number:</source>
        <translation>Stempelnummer:</translation>
    </message>
    <message>
        <source>Authorize!</source>
        <translation>Freigeben!</translation>
    </message>
</context>
<context>
    <name>BreakDialog</name>
    <message>
        <source>:: Break Authorization ::</source>
        <translation>:: Pausenfreigabe ::</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Send Authorization Request</source>
        <translation>Freigabeanfrage senden</translation>
    </message>
    <message>
        <source>Manual Authorization</source>
        <translation>Manuelle Freigabe</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Log Area:</source>
        <translation>Stempelbereich:</translation>
    </message>
    <message>
        <source>Please wait while your break request is being authorized</source>
        <translation>Bitte warten Sie, bis Ihre Pausenanfrage freigegeben ist</translation>
    </message>
    <message>
        <source>Your break request was successfully authorized</source>
        <translation>Ihre Pausenanfrage wurde freigegeben</translation>
    </message>
</context>
<context>
    <name>BreakOccurrenceDialog</name>
    <message>
        <source>:: Break Occurance Report ::</source>
        <translation>:: Bericht Pausen ::</translation>
    </message>
    <message>
        <source>Reporting options:</source>
        <translation>Berichtsoptionen:</translation>
    </message>
    <message>
        <source>Process!</source>
        <translation>Ausführen!</translation>
    </message>
</context>
<context>
    <name>BreakOptions</name>
    <message>
        <source>Break 1 name updated!</source>
        <translation>Name der Pause 1 aktualisiert!</translation>
    </message>
    <message>
        <source>Break 1 and Break 2 names updated!</source>
        <translation>Namen der Pausen 1 und 2 aktualisiert!</translation>
    </message>
    <message>
        <source>Break 1,2 and Break 3 names updated!</source>
        <translation>Namen der Pausen 1, 2 und 3 aktualisiert!</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Aktualisieren!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Please restart Chronel for changes to take effect!</source>
        <translation>Bitte starten Sie Chronel neu, damit die Änderungen wirksam werden!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please select number of breaks!</source>
        <translation>Bitte wählen Sie die Anzahl der Pausen!</translation>
    </message>
    <message>
        <source>break %1 name</source>
        <translation>Name der Pause %1</translation>
    </message>
    <message>
        <source>Please enter in a name for break 1</source>
        <translation>Bitte geben Sie einen Namen für Pause 1 ein</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please check that names for breaks are not empty!</source>
        <translation>Bitte prüfen Sie, dass die Pausennamen nicht leer sind!</translation>
    </message>
</context>
<context>
    <name>BreakOptionsDialog</name>
    <message>
        <source>:: Setup Break Options ::</source>
        <translation>:: Pausen einrichten ::</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Select number of breaks:</source>
        <translation>Anzahl der Pausen:</translation>
    </message>
    <message>
        <source>Break Naming:</source>
        <translation>Pausennamen:</translation>
    </message>
    <message>
        <source>Break %1 name:</source>
        <translation>Name der Pause %1:</translation>
    </message>
    <message>
        <source>Clear exisiting names!</source>
        <translation>Vorhandene Namen löschen!</translation>
    </message>
    <message>
        <source>Apply!</source>
        <translation>Übernehmen!</translation>
    </message>
</context>
<context>
    <name>BreakRecording</name>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Start of %1 recorded</source>
        <translation>Beginn von %1 erfasst</translation>
    </message>
    <message>
        <source>Not Processed</source>
        <translation>Nicht verarbeitet</translation>
    </message>
    <message>
        <source>No open %1 was found, so its end was not recorded. Please ask a supervisor to enter it by hand.</source>
        <translation>Es wurde keine offene %1 gefunden, daher wurde ihr Ende nicht erfasst. Bitte lassen Sie es von einem Vorgesetzten von Hand eintragen.</translation>
    </message>
    <message>
        <source>end of %1 recorded</source>
        <translation>Ende von %1 erfasst</translation>
    </message>
    <message>
        <source>End of %1 recorded</source>
        <translation>Ende von %1 erfasst</translation>
    </message>
    <message>
        <source>End of %1 recorded!</source>
        <translation>Ende von %1 erfasst!</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>All times for %1 recorded!</source>
        <translation>Alle Zeiten für %1 erfasst!</translation>
    </message>
</context>
<context>
    <name>BreakRequest</name>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Authorization request sent!</source>
        <translation>Freigabeanfrage gesendet!</translation>
    </message>
</context>
<context>
    <name>BreakRequestWindow</name>
    <message>
        <source>Break Request</source>
        <translation>Pausenanfrage</translation>
    </message>
    <message>
        <source>Break requests, newest first:</source>
        <translation>Pausenanfragen, neueste zuerst:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>BreakTableUpdater</name>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Updates done successfully!</source>
        <translation>Aktualisierung erfolgreich abgeschlossen!</translation>
    </message>
    <message>
        <source>The database is already up to date. Nothing was changed.</source>
        <translation>Die Datenbank ist bereits aktuell. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>There is no Chronel database at %1.
Please run the Chronel wizard before updating.</source>
        <translation>Unter %1 gibt es keine Chronel-Datenbank.
Bitte führen Sie vor der Aktualisierung den Chronel-Assistenten aus.</translation>
    </message>
</context>
<context>
    <name>ClockingTransaction</name>
    <message>
        <source>Clock %1 IN?</source>
        <translation>%1 einstempeln?</translation>
    </message>
    <message>
        <source>Clock %1 OUT?</source>
        <translation>%1 ausstempeln?</translation>
    </message>
    <message>
        <source>Confirm?</source>
        <translation>Bestätigen?</translation>
    </message>
    <message>
        <source>Not Processed</source>
        <translation>Nicht verarbeitet</translation>
    </message>
    <message>
        <source>Employee not logged in</source>
        <translation>Mitarbeiter nicht eingestempelt</translation>
    </message>
    <message>
        <source>Employee not logged out</source>
        <translation>Mitarbeiter nicht ausgestempelt</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Employee has already been logged in/out for the day.No further logging is possible</source>
        <translation>Der Mitarbeiter hat heute bereits ein- und ausgestempelt. Weitere Stempelungen sind nicht möglich</translation>
    </message>
    <message>
        <source>This card was clocked at another station a moment ago. Please try again.</source>
        <translation>Diese Karte wurde gerade an einer anderen Station gestempelt. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Employees were logged in/out automatically a moment ago. Please try again.</source>
        <translation>Mitarbeiter wurden gerade automatisch ein- oder ausgestempelt. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Fatal database error,please re-add the user with the card number of : </source>
        <translation>Schwerer Datenbankfehler, bitte legen Sie den Mitarbeiter mit folgender Kartennummer neu an: </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;%1 --help&apos;.
</source>
        <translation>Hilfe erhalten Sie mit „%1 --help“.
</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>CompanyPage</name>
    <message>
        <source>Please enter your company details below</source>
        <translation>Bitte geben Sie unten die Angaben zu Ihrer Firma ein</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Address Line 1:</source>
        <translation>Adresszeile 1:</translation>
    </message>
    <message>
        <source>Address Line 2:</source>
        <translation>Adresszeile 2:</translation>
    </message>
    <message>
        <source>Address Line 3:</source>
        <translation>Adresszeile 3:</translation>
    </message>
    <message>
        <source>:: Company Details ::</source>
        <translation>:: Firmenangaben ::</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>CompanySetup</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please check the information you entered.</source>
        <translation>Bitte prüfen Sie Ihre Eingaben.</translation>
    </message>
</context>
<context>
    <name>CompanySetupDialog</name>
    <message>
        <source>:: Your Company Details ::</source>
        <translation>:: Ihre Firmenangaben ::</translation>
    </message>
    <message>
        <source>Please enter in your information below:</source>
        <translation>Bitte geben Sie unten Ihre Angaben ein:</translation>
    </message>
    <message>
        <source>Company Name:</source>
        <translation>Firmenname:</translation>
    </message>
    <message>
        <source>Telephone Number:</source>
        <translation>Telefonnummer:</translation>
    </message>
    <message>
        <source>Address Line 1:</source>
        <translation>Adresszeile 1:</translation>
    </message>
    <message>
        <source>Address Line 2:</source>
        <translation>Adresszeile 2:</translation>
    </message>
    <message>
        <source>Address Line 3:</source>
        <translation>Adresszeile 3:</translation>
    </message>
    <message>
        <source>Update Details!</source>
        <translation>Angaben aktualisieren!</translation>
    </message>
    <message>
        <source>Clear!</source>
        <translation>Leeren!</translation>
    </message>
</context>
<context>
    <name>CompletePage</name>
    <message>
        <source>Wizard Complete</source>
        <translation>Assistent abgeschlossen</translation>
    </message>
    <message>
        <source>You are now ready to run Chronel.Employees and login times etc can be adjusted via the menu options.</source>
        <translation>Chronel ist jetzt einsatzbereit. Mitarbeiter, Stempelzeiten usw. lassen sich über die Menüs anpassen.</translation>
    </message>
    <message>
        <source>For more details or queries email us at : </source>
        <translation>Für weitere Informationen oder Fragen schreiben Sie uns an: </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>:: Wizard Complete ::</source>
        <translation>:: Assistent abgeschlossen ::</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>DailyReportDialog</name>
    <message>
        <source>:: Daily Log-in and Log-out Report:</source>
        <translation>:: Tagesbericht Einstempeln und Ausstempeln:</translation>
    </message>
    <message>
        <source>Please enter the details below:</source>
        <translation>Bitte geben Sie unten die Angaben ein:</translation>
    </message>
    <message>
        <source>Date to run report for:</source>
        <translation>Datum des Berichts:</translation>
    </message>
    <message>
        <source>Report Options:</source>
        <translation>Berichtsoptionen:</translation>
    </message>
    <message>
        <source>Log-in</source>
        <translation>Einstempeln</translation>
    </message>
    <message>
        <source>Log-out</source>
        <translation>Ausstempeln</translation>
    </message>
    <message>
        <source>Show Breaks</source>
        <translation>Pausen anzeigen</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>DatabaseManager</name>
    <message>
        <source>This will delete all Login/Logout information.Are you sure?</source>
        <translation>Damit werden alle Stempeldaten gelöscht. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>All employees will be deleted.Are you sure?</source>
        <translation>Alle Mitarbeiter werden gelöscht. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>This will clear the Error Log.Are you sure?</source>
        <translation>Damit wird das Fehlerprotokoll geleert. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>This will clear all the recorded breaks.Are you sure?</source>
        <translation>Damit werden alle erfassten Pausen gelöscht. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The rows are archived first to:</source>
        <translation>Die Einträge werden zuvor archiviert in:</translation>
    </message>
    <message>
        <source>The rows could not be archived to %1: %2</source>
        <translation>Die Einträge konnten nicht in %1 archiviert werden: %2</translation>
    </message>
    <message>
        <source>archived to %1</source>
        <translation>archiviert in %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Nothing was deleted.</source>
        <translation>Es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Entries Deleted</source>
        <translation>Einträge gelöscht</translation>
    </message>
</context>
<context>
    <name>DatabaseManagerDialog</name>
    <message>
        <source>:: Database Management ::</source>
        <translation>:: Datenbankverwaltung ::</translation>
    </message>
    <message>
        <source>Please select an option</source>
        <translation>Bitte wählen Sie eine Option</translation>
    </message>
    <message>
        <source>Clear Login Information</source>
        <translation>Stempeldaten löschen</translation>
    </message>
    <message>
        <source>Clear Employees</source>
        <translation>Mitarbeiter löschen</translation>
    </message>
    <message>
        <source>Clear Error Report</source>
        <translation>Fehlerprotokoll löschen</translation>
    </message>
    <message>
        <source>Clear logged Breaks</source>
        <translation>Erfasste Pausen löschen</translation>
    </message>
</context>
<context>
    <name>EarlyLateLeaversDialog</name>
    <message>
        <source>:: Early / Late leavers report ::</source>
        <translation>:: Bericht Früh- / Spätgeher ::</translation>
    </message>
    <message>
        <source>Please select a date range:</source>
        <translation>Bitte wählen Sie einen Zeitraum:</translation>
    </message>
    <message>
        <source>Please select an option:</source>
        <translation>Bitte wählen Sie eine Option:</translation>
    </message>
    <message>
        <source>Early Leavers</source>
        <translation>Frühgeher</translation>
    </message>
    <message>
        <source>Overtime Leavers</source>
        <translation>Spätgeher (Überstunden)</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>EmployeeHoursDialog</name>
    <message>
        <source>:: Employee Hours ::</source>
        <translation>:: Mitarbeiterstunden ::</translation>
    </message>
    <message>
        <source>Please enter values below:</source>
        <translation>Bitte geben Sie unten die Werte ein:</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>EmployeeManager</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Error,please add an employee before continuing</source>
        <translation>Fehler: Bitte legen Sie zuerst einen Mitarbeiter an</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Employee Added Successfully!</source>
        <translation>Mitarbeiter erfolgreich hinzugefügt!</translation>
    </message>
    <message>
        <source>Employee Updated Successfully!</source>
        <translation>Mitarbeiter erfolgreich aktualisiert!</translation>
    </message>
    <message>
        <source>Employee Deleted Successfully!</source>
        <translation>Mitarbeiter erfolgreich gelöscht!</translation>
    </message>
    <message>
        <source>Please check both fields are filled in</source>
        <translation>Bitte füllen Sie beide Felder aus</translation>
    </message>
    <message>
        <source>employee name</source>
        <translation>Name des Mitarbeiters</translation>
    </message>
    <message>
        <source>clock in number</source>
        <translation>Stempelnummer</translation>
    </message>
    <message>
        <source>Please select an employee before continuing</source>
        <translation>Bitte wählen Sie zuerst einen Mitarbeiter</translation>
    </message>
    <message>
        <source>The clock in number is already used by %1. Please choose another clock in number.</source>
        <translation>Die Stempelnummer wird bereits von %1 verwendet. Bitte wählen Sie eine andere Stempelnummer.</translation>
    </message>
    <message>
        <source>The employee %1 no longer exists. Please choose again.</source>
        <translation>Den Mitarbeiter %1 gibt es nicht mehr. Bitte wählen Sie erneut.</translation>
    </message>
</context>
<context>
    <name>EmployeeManagerDialog</name>
    <message>
        <source>:: Employee Manager ::</source>
        <translation>:: Mitarbeiterverwaltung ::</translation>
    </message>
    <message>
        <source>Please select an employee to edit/delete/update</source>
        <translation>Bitte wählen Sie einen Mitarbeiter zum Bearbeiten/Löschen/Aktualisieren</translation>
    </message>
    <message>
        <source>Employees</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Employee Details</source>
        <translation>Mitarbeiterdaten</translation>
    </message>
    <message>
        <source>Employee Name:</source>
        <translation>Name des Mitarbeiters:</translation>
    </message>
    <message>
        <source>Clock in number:</source>
        <translation>Stempelnummer:</translation>
    </message>
    <message>
        <source>Add!</source>
        <translation>Hinzufügen!</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Aktualisieren!</translation>
    </message>
    <message>
        <source>Delete!</source>
        <translation>Löschen!</translation>
    </message>
</context>
<context>
    <name>EmployeePeriodDialog</name>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
</context>
<context>
    <name>ErrorLogReportDialog</name>
    <message>
        <source>:: Error Log Report :: </source>
        <translation>:: Bericht Fehlerprotokoll :: </translation>
    </message>
    <message>
        <source>Please select a date:</source>
        <translation>Bitte wählen Sie ein Datum:</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>GlobalClocking</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>This will cause all employees to be logged in.Are you sure?</source>
        <translation>Damit werden alle Mitarbeiter eingestempelt. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Forced login completed!</source>
        <translation>Einstempeln aller Mitarbeiter abgeschlossen!</translation>
    </message>
    <message>
        <source>This will cause all employees to be logged out.Are you sure?</source>
        <translation>Damit werden alle Mitarbeiter ausgestempelt. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Forced logout completed!</source>
        <translation>Ausstempeln aller Mitarbeiter abgeschlossen!</translation>
    </message>
</context>
<context>
    <name>IndividualReportDialog</name>
    <message>
        <source>:: Individual Report ::</source>
        <translation>:: Einzelbericht ::</translation>
    </message>
    <message>
        <source>Please select an employee to view:</source>
        <translation>Bitte wählen Sie den Mitarbeiter:</translation>
    </message>
    <message>
        <source>Employee name</source>
        <translation>Name des Mitarbeiters</translation>
    </message>
    <message>
        <source>Employees</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Please select a starting date:</source>
        <translation>Bitte wählen Sie das Anfangsdatum:</translation>
    </message>
    <message>
        <source>Please select an ending date:</source>
        <translation>Bitte wählen Sie das Enddatum:</translation>
    </message>
    <message>
        <source>Run the Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>KioskOption</name>
    <message>
        <source>Full screen and on top; only a supervisor can exit.</source>
        <translation>Vollbild und immer im Vordergrund; beenden kann nur ein Vorgesetzter.</translation>
    </message>
</context>
<context>
    <name>LoginDialog</name>
    <message>
        <source>:: Log-in ::</source>
        <translation>:: Anmeldung ::</translation>
    </message>
    <message>
        <source>Please enter in a username and password</source>
        <translation>Bitte geben Sie Benutzername und Passwort ein</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Log in!</source>
        <translation>Anmelden!</translation>
    </message>
</context>
<context>
    <name>ManualBreakAuthorization</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please check your username or password</source>
        <translation>Bitte prüfen Sie Benutzername und Passwort</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Username of password is invalid!</source>
        <translation>Benutzername oder Passwort ist ungültig!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Authorization Successful</source>
        <translation>Freigabe erfolgreich</translation>
    </message>
</context>
<context>
    <name>ManualBreakAuthorizationDialog</name>
    <message>
        <source>:: Manual Break Authorization ::</source>
        <translation>:: Manuelle Pausenfreigabe ::</translation>
    </message>
    <message>
        <source>Supervisor details:</source>
        <translation>Angaben des Vorgesetzten:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Authorize!</source>
        <translation>Freigeben!</translation>
    </message>
</context>
<context>
    <name>ManualBreakEntry</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please select an employee before continuing</source>
        <translation>Bitte wählen Sie zuerst einen Mitarbeiter</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please check all time fields are entered correctly!</source>
        <translation>Bitte prüfen Sie, ob alle Zeitfelder richtig ausgefüllt sind!</translation>
    </message>
    <message>
        <source>The employee %1 no longer exists. Please choose again.</source>
        <translation>Den Mitarbeiter %1 gibt es nicht mehr. Bitte wählen Sie erneut.</translation>
    </message>
    <message>
        <source>There is no matching break entry to be updated against.Please add a Break start before continuing</source>
        <translation>Es gibt keinen passenden Pauseneintrag zum Aktualisieren. Bitte tragen Sie zuerst einen Pausenbeginn ein</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Manual entries added successfully!</source>
        <translation>Manuelle Einträge erfolgreich hinzugefügt!</translation>
    </message>
</context>
<context>
    <name>ManualBreakEntryDialog</name>
    <message>
        <source>:: Manual Break Input ::</source>
        <translation>:: Manuelle Pauseneingabe ::</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Please exercise caution as these times will override any existing times recorded</source>
        <translation>Bitte Vorsicht: diese Zeiten überschreiben bereits erfasste Zeiten</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Reset Times!</source>
        <translation>Zeiten zurücksetzen!</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Statisch</translation>
    </message>
    <message>
        <source>Break %1 name</source>
        <translation>Name der Pause %1</translation>
    </message>
    <message>
        <source>Break %1 date</source>
        <translation>Datum der Pause %1</translation>
    </message>
    <message>
        <source>Break %1 start</source>
        <translation>Beginn der Pause %1</translation>
    </message>
    <message>
        <source>Use break %1 start</source>
        <translation>Beginn der Pause %1 verwenden</translation>
    </message>
    <message>
        <source>Break %1 end</source>
        <translation>Ende der Pause %1</translation>
    </message>
    <message>
        <source>Use break %1 end</source>
        <translation>Ende der Pause %1 verwenden</translation>
    </message>
    <message>
        <source>Process!</source>
        <translation>Ausführen!</translation>
    </message>
    <message>
        <source>Process break %1</source>
        <translation>Pause %1 verarbeiten</translation>
    </message>
    <message>
        <source>Break Start:</source>
        <translation>Pausenbeginn:</translation>
    </message>
    <message>
        <source>Break End:</source>
        <translation>Pausenende:</translation>
    </message>
</context>
<context>
    <name>ManualClocking</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please select an employee before continuing</source>
        <translation>Bitte wählen Sie zuerst einen Mitarbeiter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please select a Log option</source>
        <translation>Bitte wählen Sie eine Stempeloption</translation>
    </message>
    <message>
        <source>Please check time values!</source>
        <translation>Bitte prüfen Sie die Zeitangaben!</translation>
    </message>
    <message>
        <source>Please check your time values!</source>
        <translation>Bitte prüfen Sie Ihre Zeitangaben!</translation>
    </message>
    <message>
        <source>Manual Log-in/out Succeded!</source>
        <translation>Manuelles Ein-/Ausstempeln erfolgreich!</translation>
    </message>
    <message>
        <source>Manual Log-in Succeded!</source>
        <translation>Manuelles Einstempeln erfolgreich!</translation>
    </message>
    <message>
        <source>Manual Log-out Succeded!</source>
        <translation>Manuelles Ausstempeln erfolgreich!</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>The employee %1 no longer exists. Please choose again.</source>
        <translation>Den Mitarbeiter %1 gibt es nicht mehr. Bitte wählen Sie erneut.</translation>
    </message>
</context>
<context>
    <name>ManualClockingDialog</name>
    <message>
        <source>:: Manual Log In/Out ::</source>
        <translation>:: Manuelles Ein-/Ausstempeln ::</translation>
    </message>
    <message>
        <source>Process!</source>
        <translation>Ausführen!</translation>
    </message>
    <message>
        <source>Select an employee:</source>
        <translation>Mitarbeiter wählen:</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Log Options</source>
        <translation>Stempeloptionen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Einstempeln</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Ausstempeln</translation>
    </message>
    <message>
        <source>%1 date</source>
        <translation>Datum %1</translation>
    </message>
    <message>
        <source>%1 time</source>
        <translation>Uhrzeit %1</translation>
    </message>
</context>
<context>
    <name>MonthlyReportDialog</name>
    <message>
        <source>:: Monthly Report ::</source>
        <translation>:: Monatsbericht ::</translation>
    </message>
    <message>
        <source>Please select a date range:</source>
        <translation>Bitte wählen Sie einen Zeitraum:</translation>
    </message>
    <message>
        <source>Starting Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>Ending Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Please select a log-in type:</source>
        <translation>Bitte wählen Sie die Stempelart:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Einstempeln</translation>
    </message>
    <message>
        <source>Logout</source>
        <translation>Ausstempeln</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>NetworkOptions</name>
    <message>
        <source>Local Mode</source>
        <translation>Lokaler Modus</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Netzwerkmodus</translation>
    </message>
    <message>
        <source>Network path</source>
        <translation>Netzwerkpfad</translation>
    </message>
    <message>
        <source>Please enter in a network path or select local mode</source>
        <translation>Bitte geben Sie einen Netzwerkpfad ein oder wählen Sie den lokalen Modus</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Chronel will now exit for changes to take effect.Please re-run Chronel!</source>
        <translation>Chronel wird jetzt beendet, damit die Änderungen wirksam werden. Bitte starten Sie Chronel erneut!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please enter in a path to the database</source>
        <translation>Bitte geben Sie einen Pfad zur Datenbank ein</translation>
    </message>
    <message>
        <source>Failure!</source>
        <translation>Fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Database could not be contacted.Please check USN name or network connectivity</source>
        <translation>Die Datenbank konnte nicht erreicht werden. Bitte prüfen Sie den Namen oder die Netzwerkverbindung</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>Database was successfully contacted!</source>
        <translation>Die Datenbank wurde erfolgreich erreicht!</translation>
    </message>
    <message>
        <source>path to the database</source>
        <translation>Pfad zur Datenbank</translation>
    </message>
</context>
<context>
    <name>NetworkOptionsDialog</name>
    <message>
        <source>:: Network Options ::</source>
        <translation>:: Netzwerkoptionen ::</translation>
    </message>
    <message>
        <source>Network Settings</source>
        <translation>Netzwerkeinstellungen</translation>
    </message>
    <message>
        <source>Please select one of the following options and once a choice is made,please click the APPLY button!</source>
        <translation>Bitte wählen Sie eine der folgenden Optionen und klicken Sie danach auf ÜBERNEHMEN!</translation>
    </message>
    <message>
        <source>Use Chronel on this machine only</source>
        <translation>Chronel nur auf diesem Rechner verwenden</translation>
    </message>
    <message>
        <source>Use Chronel over a network</source>
        <translation>Chronel im Netzwerk verwenden</translation>
    </message>
    <message>
        <source>Path to database:</source>
        <translation>Pfad zur Datenbank:</translation>
    </message>
    <message>
        <source>Apply!</source>
        <translation>Übernehmen!</translation>
    </message>
    <message>
        <source>Test Connection to DB!</source>
        <translation>Verbindung zur DB testen!</translation>
    </message>
    <message>
        <source>Current Database Mode:</source>
        <translation>Aktueller Datenbankmodus:</translation>
    </message>
</context>
<context>
    <name>NoClockReportDialog</name>
    <message>
        <source>:: No Clock in/out Report ::</source>
        <translation>:: Bericht fehlende Stempelungen ::</translation>
    </message>
    <message>
        <source>Select a date:</source>
        <translation>Datum wählen:</translation>
    </message>
    <message>
        <source>Please select a date:</source>
        <translation>Bitte wählen Sie ein Datum:</translation>
    </message>
    <message>
        <source>Select an option:</source>
        <translation>Option wählen:</translation>
    </message>
    <message>
        <source>No Clock in&apos;s</source>
        <translation>Nicht eingestempelt</translation>
    </message>
    <message>
        <source>No Clock out&apos;s</source>
        <translation>Nicht ausgestempelt</translation>
    </message>
    <message>
        <source>Run Report!</source>
        <translation>Bericht erstellen!</translation>
    </message>
</context>
<context>
    <name>PayrollExportDialog</name>
    <message>
        <source>:: Payroll Export ::</source>
        <translation>:: Lohnexport ::</translation>
    </message>
    <message>
        <source>Please enter values below:</source>
        <translation>Bitte geben Sie unten die Werte ein:</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Employee:</source>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>CSV (comma-separated)</source>
        <translation>CSV (kommagetrennt)</translation>
    </message>
    <message>
        <source>XLSX (spreadsheet)</source>
        <translation>XLSX (Tabellenkalkulation)</translation>
    </message>
    <message>
        <source>PDF (to print)</source>
        <translation>PDF (zum Drucken)</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>All employees</source>
        <translation>Alle Mitarbeiter</translation>
    </message>
    <message>
        <source>Save the payroll as</source>
        <translation>Lohndaten speichern unter</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
    <message>
        <source>The starting date must not be after the ending date.</source>
        <translation>Das Anfangsdatum darf nicht nach dem Enddatum liegen.</translation>
    </message>
    <message>
        <source>Exporting the payroll...</source>
        <translation>Lohndaten werden exportiert...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Payroll Export</source>
        <translation>Lohnexport</translation>
    </message>
    <message>
        <source>The payroll was saved to %1</source>
        <translation>Die Lohndaten wurden unter %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>PayrollPdf</name>
    <message>
        <source>Payroll from %1 to %2</source>
        <translation>Lohndaten vom %1 bis %2</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Made %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>First IN</source>
        <translation>Erstes Einstempeln</translation>
    </message>
    <message>
        <source>Last OUT</source>
        <translation>Letztes Ausstempeln</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Paid hours</source>
        <translation>Bezahlte Stunden</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Unvollständig</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>overtime %1</source>
        <translation>Überstunden %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>PayrollSubcommand</name>
    <message>
        <source>The file&apos;s format: %1 (default %2).</source>
        <translation>Das Format der Datei: %1 (Standard: %2).</translation>
    </message>
    <message>
        <source>Every employee&apos;s (or one&apos;s, --card) paid hours over a period, per day and week, with totals and overtime.</source>
        <translation>Die bezahlten Stunden aller Mitarbeiter (oder eines Mitarbeiters, --card) in einem Zeitraum, je Tag und Woche, mit Summen und Überstunden.</translation>
    </message>
    <message>
        <source>--output: only a CSV file can go to standard output</source>
        <translation>--output: nur eine CSV-Datei kann in die Standardausgabe geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Early cut off time updated.Please restart Chronel for changes to take effect!</source>
        <translation>Frühe Grenzzeit aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>Late cut off time updated.Please restart Chronel for changes to take effect!</source>
        <translation>Späte Grenzzeit aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>Auto login time updated.Please restart Chronel for changes to take effect!</source>
        <translation>Zeit für automatisches Einstempeln aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>Auto logout time updated.Please restart Chronel for changes to take effect!</source>
        <translation>Zeit für automatisches Ausstempeln aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please check time values!</source>
        <translation>Bitte prüfen Sie die Zeitangaben!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please enter in a valid ip address</source>
        <translation>Bitte geben Sie eine gültige IP-Adresse ein</translation>
    </message>
    <message>
        <source>Please enter in a valid ip address (for example 192.168.0.10) or host name (for example manager-pc)</source>
        <translation>Bitte geben Sie eine gültige IP-Adresse (zum Beispiel 192.168.0.10) oder einen Rechnernamen (zum Beispiel manager-pc) ein</translation>
    </message>
    <message>
        <source>Ip Adress updated.Please restart Chronel for changes to take effect!</source>
        <translation>IP-Adresse aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>Please enter the minutes as a whole number from 0 (never log out) to %1.</source>
        <translation>Bitte geben Sie die Minuten als ganze Zahl von 0 (nie abmelden) bis %1 ein.</translation>
    </message>
    <message>
        <source>Supervisor log-out time updated.Please restart Chronel for changes to take effect!</source>
        <translation>Abmeldezeit für Vorgesetzte aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid ip address or host name. Please enter addresses (for example 192.168.0.10 or fe80::1) or host names (for example manager-pc), separated by commas or blanks</source>
        <translation>„%1“ ist keine gültige IP-Adresse und kein Rechnername. Bitte geben Sie Adressen (zum Beispiel 192.168.0.10 oder fe80::1) oder Rechnernamen (zum Beispiel manager-pc) ein, getrennt durch Kommas oder Leerzeichen</translation>
    </message>
    <message>
        <source>Break request senders updated.Please restart Chronel for changes to take effect!</source>
        <translation>Absender von Pausenanfragen aktualisiert. Bitte starten Sie Chronel neu, damit die Änderung wirksam wird!</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Please note breaks will now be disabled as breaks require the confirmation option to be enabled.Are you sure you want to disable the confirmation box and disable breaks?</source>
        <translation>Bitte beachten Sie: Pausen werden jetzt ausgeschaltet, da sie die Stempelbestätigung voraussetzen. Wollen Sie die Bestätigung und die Pausen wirklich ausschalten?</translation>
    </message>
    <message>
        <source>Error,please add an employee before enabling breaks</source>
        <translation>Fehler: Bitte legen Sie einen Mitarbeiter an, bevor Sie Pausen einschalten</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Clock in confirmation will also be enabled as this is required for breaks to function.Please restart Chronel for changes to take effect!</source>
        <translation>Die Stempelbestätigung wird ebenfalls eingeschaltet, da Pausen sie voraussetzen. Bitte starten Sie Chronel neu, damit die Änderungen wirksam werden!</translation>
    </message>
    <message>
        <source>Please restart Chronel for changes to take effect!</source>
        <translation>Bitte starten Sie Chronel neu, damit die Änderungen wirksam werden!</translation>
    </message>
</context>
<context>
    <name>ProgramOptionsDialog</name>
    <message>
        <source>:: Program Options ::</source>
        <translation>:: Programmoptionen ::</translation>
    </message>
    <message>
        <source>Cut Off time for Early/Late Leavers</source>
        <translation>Grenzzeit für Früh-/Spätgeher</translation>
    </message>
    <message>
        <source>If breaks are enabled,they will be reset at the above times</source>
        <translation>Sind Pausen eingeschaltet, werden sie zu den obigen Zeiten zurückgesetzt</translation>
    </message>
    <message>
        <source>Automatic Login and Logout Settings</source>
        <translation>Automatisches Ein- und Ausstempeln</translation>
    </message>
    <message>
        <source>IP Settings</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>IP Address of Manager</source>
        <translation>IP-Adresse des Vorgesetzten</translation>
    </message>
    <message>
        <source>Current Ip Address</source>
        <translation>Aktuelle IP-Adresse</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Aktualisieren!</translation>
    </message>
    <message>
        <source>Clear!</source>
        <translation>Leeren!</translation>
    </message>
    <message>
        <source>Show break requests from</source>
        <translation>Pausenanfragen anzeigen von</translation>
    </message>
    <message>
        <source>Any computer</source>
        <translation>Jedem Rechner</translation>
    </message>
    <message>
        <source>%1 current time</source>
        <translation>%1 aktuelle Zeit</translation>
    </message>
    <message>
        <source>Current time:</source>
        <translation>Aktuelle Zeit:</translation>
    </message>
    <message>
        <source>Miscellaneous Options:</source>
        <translation>Weitere Optionen:</translation>
    </message>
    <message>
        <source>Clock in/out confirmation</source>
        <translation>Stempelbestätigung</translation>
    </message>
    <message>
        <source>Enable breaks</source>
        <translation>Pausen einschalten</translation>
    </message>
    <message>
        <source>Break authorization</source>
        <translation>Pausenfreigabe</translation>
    </message>
    <message>
        <source>Supervisor Log-in</source>
        <translation>Anmeldung Vorgesetzter</translation>
    </message>
    <message>
        <source>Log out after minutes without use</source>
        <translation>Abmelden nach Minuten ohne Benutzung</translation>
    </message>
    <message>
        <source>Log out after minutes without use (0 = never):</source>
        <translation>Abmelden nach Minuten ohne Benutzung (0 = nie):</translation>
    </message>
    <message>
        <source>Current minutes without use</source>
        <translation>Aktuelle Minuten ohne Benutzung</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Aktuell:</translation>
    </message>
    <message>
        <source>Kiosk mode (full screen; only a supervisor can exit)</source>
        <translation>Kioskmodus (Vollbild; beenden kann nur ein Vorgesetzter)</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Please select an employee before continuing</source>
        <translation>Bitte wählen Sie zuerst einen Mitarbeiter</translation>
    </message>
    <message>
        <source>The employee %1 no longer exists. Please choose again.</source>
        <translation>Den Mitarbeiter %1 gibt es nicht mehr. Bitte wählen Sie erneut.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Chronel will now exit for changes to take effect.Please re-run Chronel!</source>
        <translation>Chronel wird jetzt beendet, damit die Änderungen wirksam werden. Bitte starten Sie Chronel erneut!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Breaks</source>
        <translation>Pausen</translation>
    </message>
    <message>
        <source>Early time Cut Off:</source>
        <translation>Frühe Grenzzeit:</translation>
    </message>
    <message>
        <source>Early cut off</source>
        <translation>Frühe Grenzzeit</translation>
    </message>
    <message>
        <source>Late time Cut Off:</source>
        <translation>Späte Grenzzeit:</translation>
    </message>
    <message>
        <source>Late cut off</source>
        <translation>Späte Grenzzeit</translation>
    </message>
    <message>
        <source>Auto Login :</source>
        <translation>Automatisch einstempeln:</translation>
    </message>
    <message>
        <source>Auto login</source>
        <translation>Automatisch einstempeln</translation>
    </message>
    <message>
        <source>Auto Log off:</source>
        <translation>Automatisch ausstempeln:</translation>
    </message>
    <message>
        <source>Auto log off</source>
        <translation>Automatisch ausstempeln</translation>
    </message>
    <message>
        <source>Use:</source>
        <translation>Verwenden:</translation>
    </message>
    <message>
        <source>Please select an employee before processing the report</source>
        <translation>Bitte wählen Sie einen Mitarbeiter, bevor der Bericht erstellt wird</translation>
    </message>
    <message>
        <source>Please select either log option before continuing</source>
        <translation>Bitte wählen Sie eine Stempeloption</translation>
    </message>
    <message>
        <source>Please select a Leaver type</source>
        <translation>Bitte wählen Sie Früh- oder Spätgeher</translation>
    </message>
    <message>
        <source>The early/late cut-off time is not set. Set it in Program Options.</source>
        <translation>Die Grenzzeit für Früh-/Spätgeher ist nicht gesetzt. Setzen Sie sie in den Programmoptionen.</translation>
    </message>
    <message>
        <source>Please select a log-in type before continuing</source>
        <translation>Bitte wählen Sie eine Stempelart</translation>
    </message>
    <message>
        <source>Please select a No Clock Option</source>
        <translation>Bitte wählen Sie eine Option für fehlende Stempelungen</translation>
    </message>
    <message>
        <source>Fatal Error:No employees found!</source>
        <translation>Schwerer Fehler: Keine Mitarbeiter gefunden!</translation>
    </message>
    <message>
        <source>The report could not be written to %1: %2</source>
        <translation>Der Bericht konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>There are no results for the date specified</source>
        <translation>Für das angegebene Datum gibt es keine Ergebnisse</translation>
    </message>
    <message>
        <source>There are no results for the period specified</source>
        <translation>Für den angegebenen Zeitraum gibt es keine Ergebnisse</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>company name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>telephone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>address line 1</source>
        <translation>Adresszeile 1</translation>
    </message>
    <message>
        <source>address line 2</source>
        <translation>Adresszeile 2</translation>
    </message>
    <message>
        <source>address line 3</source>
        <translation>Adresszeile 3</translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation>die Verbindung wurde unterbrochen</translation>
    </message>
    <message>
        <source>the folder %1 is not there</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is not there</source>
        <translation>%1 gibt es nicht</translation>
    </message>
    <message>
        <source>No row found for: %1</source>
        <translation>Keine Zeile gefunden für: %1</translation>
    </message>
    <message>
        <source>A transaction is already open</source>
        <translation>Es ist bereits eine Transaktion offen</translation>
    </message>
    <message>
        <source>a database server</source>
        <translation>ein Datenbankserver</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot delete %1: %2</source>
        <translation>%1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Fatal error - no employees found!</source>
        <translation>Schwerer Fehler – keine Mitarbeiter gefunden!</translation>
    </message>
    <message>
        <source>The password library could not be started</source>
        <translation>Die Passwortbibliothek konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Not enough memory to protect the password</source>
        <translation>Nicht genug Speicher, um das Passwort zu schützen</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>The database cannot be reached: %1. Chronel will try again at the next action.</source>
        <translation>Die Datenbank ist nicht erreichbar: %1. Chronel versucht es bei der nächsten Aktion erneut.</translation>
    </message>
    <message>
        <source>The database refused the operation without a reason.</source>
        <translation>Die Datenbank hat den Vorgang ohne Angabe eines Grundes abgelehnt.</translation>
    </message>
    <message>
        <source>The database at %1 cannot be reached: %2.

Make the shared folder or the database server available, or change where Chronel looks for it: the file %3, which Options &gt; Network Options writes.</source>
        <translation>Die Datenbank unter %1 ist nicht erreichbar: %2.

Machen Sie den freigegebenen Ordner oder den Datenbankserver verfügbar, oder ändern Sie, wo Chronel sie sucht: die Datei %3, die Optionen &gt; Netzwerkoptionen schreibt.</translation>
    </message>
    <message>
        <source>The %1 contains characters that cannot be stored (control or invalid characters). Please retype it.</source>
        <translation>Das Feld „%1“ enthält Zeichen, die nicht gespeichert werden können (Steuerzeichen oder ungültige Zeichen). Bitte geben Sie es neu ein.</translation>
    </message>
    <message>
        <source>The %1 is too long. Please shorten it to %2 characters at most.</source>
        <translation>Das Feld „%1“ ist zu lang. Bitte kürzen Sie es auf höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>The %1 must not contain blanks. Please retype it.</source>
        <translation>Das Feld „%1“ darf keine Leerzeichen enthalten. Bitte geben Sie es neu ein.</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>This database is on a database server. Please back it up with the server&apos;s own tools (pg_dump).</source>
        <translation>Diese Datenbank liegt auf einem Datenbankserver. Bitte sichern Sie sie mit den Werkzeugen des Servers (pg_dump).</translation>
    </message>
    <message>
        <source>This database is in a shared folder. Chronel copies only a database on this computer; please back up the shared folder.</source>
        <translation>Diese Datenbank liegt in einem freigegebenen Ordner. Chronel kopiert nur eine Datenbank auf diesem Rechner; bitte sichern Sie den freigegebenen Ordner.</translation>
    </message>
    <message>
        <source>The database was copied to %1.</source>
        <translation>Die Datenbank wurde nach %1 kopiert.</translation>
    </message>
    <message>
        <source>The database could not be copied: %1</source>
        <translation>Die Datenbank konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Replace the database with the copy of %1?
The database as it is now is kept as %2.</source>
        <translation>Die Datenbank durch die Kopie vom %1 ersetzen?
Die jetzige Datenbank wird als %2 aufbewahrt.</translation>
    </message>
    <message>
        <source>The copy could not be put in place: %1
The database is as it was.</source>
        <translation>Die Kopie konnte nicht eingesetzt werden: %1
Die Datenbank ist unverändert.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Please enter the weekly hours after which time counts as overtime, from 1 to 168 (for example 40 or 37.5).</source>
        <translation>Bitte geben Sie die Wochenstunden ein, ab denen die Zeit als Überstunden zählt, von 1 bis 168 (zum Beispiel 40 oder 37,5).</translation>
    </message>
    <message>
        <source>Weekly overtime now counts after %1 hours.</source>
        <translation>Überstunden zählen jetzt ab %1 Wochenstunden.</translation>
    </message>
    <message>
        <source>(answered No)</source>
        <translation>(mit Nein beantwortet)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Vorgesetzter</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Employee</source>
        <translation>Mitarbeiter</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>First IN</source>
        <translation>Erstes Einstempeln</translation>
    </message>
    <message>
        <source>Last OUT</source>
        <translation>Letztes Ausstempeln</translation>
    </message>
    <message>
        <source>Worked</source>
        <translation>Gearbeitet</translation>
    </message>
    <message>
        <source>Paid</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Paid hours</source>
        <translation>Bezahlte Stunden</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Unvollständig</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Week from</source>
        <translation>Woche ab</translation>
    </message>
    <message>
        <source>Overtime</source>
        <translation>Überstunden</translation>
    </message>
    <message>
        <source>Overtime hours</source>
        <translation>Überstunden (Std.)</translation>
    </message>
    <message>
        <source>Incomplete punches</source>
        <translation>Unvollständige Stempelungen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>The spreadsheet could not be made in a temporary folder.</source>
        <translation>Die Tabelle konnte nicht in einem temporären Ordner erstellt werden.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>Exit codes: 0 done, 1 database or file error (nothing written), 2 bad arguments.</source>
        <translation>Exit-Codes: 0 erledigt, 1 Datenbank- oder Dateifehler (nichts geschrieben), 2 ungültige Argumente.</translation>
    </message>
    <message>
        <source>no report named; one of: %1</source>
        <translation>kein Bericht angegeben; einer von: %1</translation>
    </message>
    <message>
        <source>unknown report &quot;%1&quot;</source>
        <translation>unbekannter Bericht „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--output is missing: name a file, or - for standard output</source>
        <translation>--output fehlt: geben Sie eine Datei an oder - für die Standardausgabe</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot;.</source>
        <translation>Hilfe erhalten Sie mit „%1 --help“.</translation>
    </message>
    <message>
        <source>Usage: %1 &lt;report&gt; [options]</source>
        <translation>Aufruf: %1 &lt;Bericht&gt; [Optionen]</translation>
    </message>
    <message>
        <source>Writes one of the station&apos;s reports without a window, the same page the station writes to report.html.</source>
        <translation>Schreibt einen der Berichte der Station ohne Fenster, als dieselbe Seite, die die Station in report.html schreibt.</translation>
    </message>
    <message>
        <source>Reports:</source>
        <translation>Berichte:</translation>
    </message>
    <message>
        <source>Dates as yyyy-mm-dd or MM/DD/YY, months as yyyy-mm or MM/YY.</source>
        <translation>Datumsangaben als yyyy-mm-dd oder MM/DD/YY, Monate als yyyy-mm oder MM/YY.</translation>
    </message>
    <message>
        <source>&quot;%1 &lt;report&gt; --help&quot; lists a report&apos;s options.</source>
        <translation>„%1 &lt;Bericht&gt; --help“ zeigt die Optionen eines Berichts.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 [options]</source>
        <translation>Aufruf: %1 %2 [Optionen]</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date as yyyy-mm-dd or MM/DD/YY (years 2000 to 2099)</source>
        <translation>%1: „%2“ ist kein Datum im Format yyyy-mm-dd oder MM/DD/YY (Jahre 2000 bis 2099)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>--month goes without --from and --to</source>
        <translation>--month ist nicht zusammen mit --from und --to möglich</translation>
    </message>
    <message>
        <source>--month: &quot;%1&quot; is not a month as yyyy-mm or MM/YY (years 2000 to 2099)</source>
        <translation>--month: „%1“ ist kein Monat im Format yyyy-mm oder MM/YY (Jahre 2000 bis 2099)</translation>
    </message>
    <message>
        <source>--from %1 is after --to %2</source>
        <translation>--from %1 liegt nach --to %2</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not one of %3</source>
        <translation>%1: „%2“ ist keiner der Werte %3</translation>
    </message>
    <message>
        <source>There is no database at %1</source>
        <translation>Unter %1 gibt es keine Datenbank</translation>
    </message>
    <message>
        <source>The database at %1 cannot be reached: %2</source>
        <translation>Die Datenbank unter %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The database at %1 has not been set up: run chronel-wizard first</source>
        <translation>Die Datenbank unter %1 ist nicht eingerichtet: Führen Sie zuerst chronel-wizard aus</translation>
    </message>
    <message>
        <source>--card: no employee has the card number &quot;%1&quot;</source>
        <translation>--card: Kein Mitarbeiter hat die Kartennummer „%1“</translation>
    </message>
    <message>
        <source>The database: a SQLite file, the folder that holds main.db, or a postgresql:// URI. Without it, the one the station&apos;s path.ini names.</source>
        <translation>Die Datenbank: eine SQLite-Datei, der Ordner mit main.db oder eine postgresql://-URI. Ohne diese Option die Datenbank, die in der path.ini der Station steht.</translation>
    </message>
    <message>
        <source>location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>The file to write, replaced only once written whole; - for standard output.</source>
        <translation>Die zu schreibende Datei; sie wird erst ersetzt, wenn sie vollständig geschrieben ist; - für die Standardausgabe.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>The day, as yyyy-mm-dd or MM/DD/YY.</source>
        <translation>Der Tag, als yyyy-mm-dd oder MM/DD/YY.</translation>
    </message>
    <message>
        <source>date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The month, as yyyy-mm or MM/YY (instead of --from and --to).</source>
        <translation>Der Monat, als yyyy-mm oder MM/YY (statt --from und --to).</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>The first day, as yyyy-mm-dd or MM/DD/YY.</source>
        <translation>Der erste Tag, als yyyy-mm-dd oder MM/DD/YY.</translation>
    </message>
    <message>
        <source>The last day, as yyyy-mm-dd or MM/DD/YY.</source>
        <translation>Der letzte Tag, als yyyy-mm-dd oder MM/DD/YY.</translation>
    </message>
    <message>
        <source>The employee&apos;s card number.</source>
        <translation>Die Kartennummer des Mitarbeiters.</translation>
    </message>
    <message>
        <source>card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>The clockings made under this name, as it stands (instead of --card).</source>
        <translation>Die Stempelungen unter diesem Namen, genau so geschrieben (statt --card).</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Which lists: %1 (default %2).</source>
        <translation>Welche Listen: %1 (Standard: %2).</translation>
    </message>
    <message>
        <source>Also the breaks taken that day (breaks must be on).</source>
        <translation>Auch die an diesem Tag genommenen Pausen (Pausen müssen eingeschaltet sein).</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>One day&apos;s log-ins and log-outs (--date), and on request its breaks.</source>
        <translation>Das Ein- und Ausstempeln eines Tages (--date), auf Wunsch mit den Pausen.</translation>
    </message>
    <message>
        <source>--breaks: breaks are switched off in this station&apos;s options</source>
        <translation>--breaks: Pausen sind in den Optionen dieser Station ausgeschaltet</translation>
    </message>
    <message>
        <source>Every log-in and log-out of a month (--month) or a period (--from, --to).</source>
        <translation>Jedes Ein- und Ausstempeln eines Monats (--month) oder eines Zeitraums (--from, --to).</translation>
    </message>
    <message>
        <source>Every clocking of one employee (--card or --employee) over a period.</source>
        <translation>Jede Stempelung eines Mitarbeiters (--card oder --employee) in einem Zeitraum.</translation>
    </message>
    <message>
        <source>--card or --employee is needed, not both</source>
        <translation>--card oder --employee ist nötig, aber nicht beides</translation>
    </message>
    <message>
        <source>--employee: the name is empty</source>
        <translation>--employee: Der Name ist leer</translation>
    </message>
    <message>
        <source>The employees without a log-in or a log-out on one day (--date).</source>
        <translation>Die Mitarbeiter, die an einem Tag (--date) nicht eingestempelt oder nicht ausgestempelt haben.</translation>
    </message>
    <message>
        <source>The error log of one day (--date).</source>
        <translation>Das Fehlerprotokoll eines Tages (--date).</translation>
    </message>
    <message>
        <source>The log-outs before the early or after the late cut-off time over a period.</source>
        <translation>Das Ausstempeln vor der frühen oder nach der späten Grenzzeit in einem Zeitraum.</translation>
    </message>
    <message>
        <source>One employee&apos;s (--card) days and hours worked over a period.</source>
        <translation>Die Arbeitstage und -stunden eines Mitarbeiters (--card) in einem Zeitraum.</translation>
    </message>
    <message>
        <source>One employee&apos;s (--card) breaks over a period.</source>
        <translation>Die Pausen eines Mitarbeiters (--card) in einem Zeitraum.</translation>
    </message>
    <message>
        <source>The report could not be exported to %1: %2</source>
        <translation>Der Bericht konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Clocked in since</source>
        <translation>Eingestempelt seit</translation>
    </message>
    <message>
        <source>On a break</source>
        <translation>In der Pause</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Break %1</source>
        <translation>Pause %1</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Worked today %1, this week %2</source>
        <translation>Heute gearbeitet %1, diese Woche %2</translation>
    </message>
    <message>
        <source>IN at %1</source>
        <translation>Eingestempelt um %1</translation>
    </message>
    <message>
        <source>OUT at %1</source>
        <translation>Ausgestempelt um %1</translation>
    </message>
    <message>
        <source>Card not recognised</source>
        <translation>Karte nicht erkannt</translation>
    </message>
    <message>
        <source>The daily copy of the database on %1 failed: %2
Please check the disk, then make a copy with Maintainence &gt; Back Up Now.</source>
        <translation>Die tägliche Kopie der Datenbank am %1 ist fehlgeschlagen: %2
Bitte prüfen Sie den Datenträger und erstellen Sie dann eine Kopie mit Wartung &gt; Jetzt sichern.</translation>
    </message>
    <message>
        <source>Chronel</source>
        <translation>Chronel</translation>
    </message>
    <message>
        <source>Chronel is already running in %1.
Only one station can run there at a time.</source>
        <translation>Chronel läuft bereits in %1.
Dort kann immer nur eine Station gleichzeitig laufen.</translation>
    </message>
    <message>
        <source>Chronel time-clock and attendance station.</source>
        <translation>Chronel-Station für Zeiterfassung und Anwesenheit.</translation>
    </message>
    <message>
        <source>Use the database at &lt;location&gt; (a database file, a shared folder or a postgresql:// URI) for this run, whatever path.ini says.</source>
        <translation>Verwendet für diesen Lauf die Datenbank unter &lt;Speicherort&gt; (eine Datenbankdatei, ein freigegebener Ordner oder eine postgresql://-URI), unabhängig davon, was in path.ini steht.</translation>
    </message>
    <message>
        <source>it holds no Chronel database</source>
        <translation>sie enthält keine Chronel-Datenbank</translation>
    </message>
    <message>
        <source>The copy of %1 cannot be used: %2</source>
        <translation>Die Kopie vom %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 cannot be moved aside</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>The work settings row is missing.</source>
        <translation>Die Zeile mit den Arbeitseinstellungen fehlt.</translation>
    </message>
    <message>
        <source>Adds the break tables to the database of an older Chronel station.</source>
        <translation>Ergänzt die Datenbank einer älteren Chronel-Station um die Pausentabellen.</translation>
    </message>
    <message>
        <source>Sets up the database of the Chronel station: company details and the first supervisor account.</source>
        <translation>Richtet die Datenbank der Chronel-Station ein: Firmenangaben und das erste Konto eines Vorgesetzten.</translation>
    </message>
    <message>
        <source>Do nothing when the database is already set up.</source>
        <translation>Tut nichts, wenn die Datenbank bereits eingerichtet ist.</translation>
    </message>
</context>
<context>
    <name>RemoteBreakGrant</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please select an employee before continuing</source>
        <translation>Bitte wählen Sie zuerst einen Mitarbeiter</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Proceed with break authorization?</source>
        <translation>Mit der Pausenfreigabe fortfahren?</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Starting Date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>Starting Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Ending Date:</source>
        <translation>Enddatum:</translation>
    </message>
</context>
<context>
    <name>ReportPage</name>
    <message>
        <source>The report could not be written.</source>
        <translation>Der Bericht konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <source>:: Report Results ::</source>
        <translation>:: Berichtsergebnis ::</translation>
    </message>
    <message>
        <source>Print Report</source>
        <translation>Bericht drucken</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <source>:: Restore Database ::</source>
        <translation>:: Datenbank wiederherstellen ::</translation>
    </message>
    <message>
        <source>There is no copy of the database in %1 yet.</source>
        <translation>In %1 gibt es noch keine Kopie der Datenbank.</translation>
    </message>
    <message>
        <source>Copies of the database in %1:</source>
        <translation>Kopien der Datenbank in %1:</translation>
    </message>
    <message>
        <source>Copies of the database</source>
        <translation>Kopien der Datenbank</translation>
    </message>
    <message>
        <source>Restore!</source>
        <translation>Wiederherstellen!</translation>
    </message>
</context>
<context>
    <name>SecurityManager</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No users were found!Please add a user before continuing</source>
        <translation>Keine Benutzer gefunden! Bitte legen Sie zuerst einen Benutzer an</translation>
    </message>
    <message>
        <source>Success!</source>
        <translation>Erfolgreich!</translation>
    </message>
    <message>
        <source>User Inserted</source>
        <translation>Benutzer angelegt</translation>
    </message>
    <message>
        <source>Please select a user to update</source>
        <translation>Bitte wählen Sie den Benutzer, der geändert werden soll</translation>
    </message>
    <message>
        <source>%1, new password</source>
        <translation>%1, neues Passwort</translation>
    </message>
    <message>
        <source>The user %1 no longer exists. Please choose again.</source>
        <translation>Den Benutzer %1 gibt es nicht mehr. Bitte wählen Sie erneut.</translation>
    </message>
    <message>
        <source>User Updated</source>
        <translation>Benutzer aktualisiert</translation>
    </message>
    <message>
        <source>Please select and employee to delete</source>
        <translation>Bitte wählen Sie den Benutzer, der gelöscht werden soll</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Delete user %1?</source>
        <translation>Benutzer %1 löschen?</translation>
    </message>
    <message>
        <source>There is no user %1. No user was deleted.</source>
        <translation>Es gibt keinen Benutzer %1. Es wurde kein Benutzer gelöscht.</translation>
    </message>
    <message>
        <source>The last user cannot be deleted. Please add another user first.</source>
        <translation>Der letzte Benutzer kann nicht gelöscht werden. Bitte legen Sie zuerst einen weiteren Benutzer an.</translation>
    </message>
    <message>
        <source>User Deleted</source>
        <translation>Benutzer gelöscht</translation>
    </message>
    <message>
        <source>Please make sure values have been entered</source>
        <translation>Bitte stellen Sie sicher, dass Werte eingegeben wurden</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please check that passwords match</source>
        <translation>Bitte prüfen Sie, ob die Passwörter übereinstimmen</translation>
    </message>
</context>
<context>
    <name>SecurityManagerDialog</name>
    <message>
        <source>:: Security Settings ::</source>
        <translation>:: Sicherheitseinstellungen ::</translation>
    </message>
    <message>
        <source>Current Security Settings:</source>
        <translation>Aktuelle Sicherheitseinstellungen:</translation>
    </message>
    <message>
        <source>Please select a Username to edit:</source>
        <translation>Bitte wählen Sie den Benutzer zum Bearbeiten:</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Username options:</source>
        <translation>Benutzeroptionen:</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Confirm Password:</source>
        <translation>Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Add New!</source>
        <translation>Neu anlegen!</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Aktualisieren!</translation>
    </message>
    <message>
        <source>Delete!</source>
        <translation>Löschen!</translation>
    </message>
</context>
<context>
    <name>StationMenu</name>
    <message>
        <source>Main</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Maintainence</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Log Options</source>
        <translation>Stempeloptionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Aktualisierungen</translation>
    </message>
    <message>
        <source>Log-in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Log-out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Daily Report</source>
        <translation>Tagesbericht</translation>
    </message>
    <message>
        <source>Monthly Report</source>
        <translation>Monatsbericht</translation>
    </message>
    <message>
        <source>No Clock in</source>
        <translation>Nicht eingestempelt</translation>
    </message>
    <message>
        <source>Early/Late Leavers</source>
        <translation>Früh-/Spätgeher</translation>
    </message>
    <message>
        <source>Individual Report</source>
        <translation>Einzelbericht</translation>
    </message>
    <message>
        <source>Error Log Report</source>
        <translation>Bericht Fehlerprotokoll</translation>
    </message>
    <message>
        <source>Employee Hours</source>
        <translation>Mitarbeiterstunden</translation>
    </message>
    <message>
        <source>Break Report</source>
        <translation>Bericht Pausen</translation>
    </message>
    <message>
        <source>Database Manager</source>
        <translation>Datenbankverwaltung</translation>
    </message>
    <message>
        <source>Employee Manager</source>
        <translation>Mitarbeiterverwaltung</translation>
    </message>
    <message>
        <source>Security Manager</source>
        <translation>Sicherheitsverwaltung</translation>
    </message>
    <message>
        <source>Program Options</source>
        <translation>Programmoptionen</translation>
    </message>
    <message>
        <source>Company Setup</source>
        <translation>Firmeneinrichtung</translation>
    </message>
    <message>
        <source>Network Options</source>
        <translation>Netzwerkoptionen</translation>
    </message>
    <message>
        <source>Setup Break Options</source>
        <translation>Pausen einrichten</translation>
    </message>
    <message>
        <source>Authorize Break Request</source>
        <translation>Pausenanfrage freigeben</translation>
    </message>
    <message>
        <source>Force Global Log-in</source>
        <translation>Alle einstempeln</translation>
    </message>
    <message>
        <source>Force Global Log-out</source>
        <translation>Alle ausstempeln</translation>
    </message>
    <message>
        <source>Manual Log In/Out</source>
        <translation>Manuelles Ein-/Ausstempeln</translation>
    </message>
    <message>
        <source>Manual Break Entry</source>
        <translation>Manuelle Pauseneingabe</translation>
    </message>
    <message>
        <source>About Chronel</source>
        <translation>Über Chronel</translation>
    </message>
    <message>
        <source>Check for Updates!</source>
        <translation>Nach Aktualisierungen suchen!</translation>
    </message>
    <message>
        <source>Payroll Export...</source>
        <translation>Lohnexport...</translation>
    </message>
    <message>
        <source>Who Is In</source>
        <translation>Wer ist da</translation>
    </message>
    <message>
        <source>Audit Trail</source>
        <translation>Prüfprotokoll</translation>
    </message>
    <message>
        <source>Back Up Now</source>
        <translation>Jetzt sichern</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Wiederherstellen...</translation>
    </message>
</context>
<context>
    <name>StationStartup</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>Please run the Chronel wizard before continuing</source>
        <translation>Bitte führen Sie zuerst den Chronel-Assistenten aus</translation>
    </message>
</context>
<context>
    <name>StationWindow</name>
    <message>
        <source>:: Chronel %1 ::</source>
        <translation>:: Chronel %1 ::</translation>
    </message>
    <message>
        <source>Log Area</source>
        <translation>Stempelbereich</translation>
    </message>
    <message>
        <source>Card number</source>
        <translation>Kartennummer</translation>
    </message>
    <message>
        <source>Current Date:</source>
        <translation>Aktuelles Datum:</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Aktuelle Uhrzeit:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Build %1</source>
        <translation>Build %1</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Please note that exiting will disable employees from logging in.Do you wish to continue?</source>
        <translation>Bitte beachten Sie: Nach dem Beenden können Mitarbeiter nicht mehr stempeln. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>:: About Chronel %1 ::</source>
        <translation>:: Über Chronel %1 ::</translation>
    </message>
    <message>
        <source>Chronel %1</source>
        <translation>Chronel %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>SupervisorLogin</name>
    <message>
        <source>Authentication Failed!</source>
        <translation>Anmeldung fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Please check your username and password are correct</source>
        <translation>Bitte prüfen Sie, ob Benutzername und Passwort stimmen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Log-in Successful!</source>
        <translation>Anmeldung erfolgreich!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Invalid username or password!</source>
        <translation>Ungültiger Benutzername oder ungültiges Passwort!</translation>
    </message>
    <message>
        <source>Log-out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Really log-out?</source>
        <translation>Wirklich abmelden?</translation>
    </message>
</context>
<context>
    <name>SupervisorPage</name>
    <message>
        <source>Enter details</source>
        <translation>Angaben eingeben</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Password :</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Confirm Password :</source>
        <translation>Passwort bestätigen:</translation>
    </message>
    <message>
        <source>:: Add a supervisor ::</source>
        <translation>:: Vorgesetzten anlegen ::</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>TimeEntry</name>
    <message>
        <source>Invalid hour entered!</source>
        <translation>Ungültige Stunde eingegeben!</translation>
    </message>
    <message>
        <source>Invalid minute entered!</source>
        <translation>Ungültige Minute eingegeben!</translation>
    </message>
    <message>
        <source>Invalid second entered!</source>
        <translation>Ungültige Sekunde eingegeben!</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
</context>
<context>
    <name>TimeField</name>
    <message>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
</context>
<context>
    <name>UpdaterDialog</name>
    <message>
        <source>:: Chronel Database Updater ::</source>
        <translation>:: Chronel-Datenbankaktualisierung ::</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Current possible database changes required:</source>
        <translation>Derzeit mögliche Änderungen an der Datenbank:</translation>
    </message>
    <message>
        <source>Break Database Updates</source>
        <translation>Aktualisierung der Pausentabellen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Process!</source>
        <translation>Ausführen!</translation>
    </message>
    <message>
        <source>&amp;About Updater...</source>
        <translation>&amp;Über die Aktualisierung...</translation>
    </message>
    <message>
        <source>About Updater</source>
        <translation>Über die Aktualisierung</translation>
    </message>
    <message>
        <source>Updater Version %1</source>
        <translation>Aktualisierung Version %1</translation>
    </message>
</context>
<context>
    <name>WelcomePage</name>
    <message>
        <source>Welcome to the Chronel Wizard.</source>
        <translation>Willkommen beim Chronel-Assistenten.</translation>
    </message>
    <message>
        <source>With this wizard you will setup Chronel for first use.Please click Next to continue</source>
        <translation>Mit diesem Assistenten richten Sie Chronel für die erste Verwendung ein. Bitte klicken Sie auf Weiter</translation>
    </message>
    <message>
        <source>About Wizard...</source>
        <translation>Über den Assistenten...</translation>
    </message>
    <message>
        <source>About Wizard</source>
        <translation>Über den Assistenten</translation>
    </message>
    <message>
        <source>Wizard Version %1</source>
        <translation>Assistent Version %1</translation>
    </message>
    <message>
        <source>:: Chronel Wizard ::</source>
        <translation>:: Chronel-Assistent ::</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
</context>
<context>
    <name>WizardSteps</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please check values</source>
        <translation>Bitte prüfen Sie die Werte</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Please check values!</source>
        <translation>Bitte prüfen Sie die Werte!</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Please check your passwords match</source>
        <translation>Bitte prüfen Sie, ob Ihre Passwörter übereinstimmen</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Settings saved.You can now run Chronel</source>
        <translation>Einstellungen gespeichert. Sie können Chronel jetzt starten</translation>
    </message>
</context>
<context>
    <name>WorkSettingsGroup</name>
    <message>
        <source>Pay and Shifts</source>
        <translation>Lohn und Schichten</translation>
    </message>
    <message>
        <source>Breaks are unpaid</source>
        <translation>Pausen sind unbezahlt</translation>
    </message>
    <message>
        <source>Round each clocking to</source>
        <translation>Jede Stempelung runden auf</translation>
    </message>
    <message>
        <source>No rounding</source>
        <translation>Keine Rundung</translation>
    </message>
    <message>
        <source>The nearest %1 minutes</source>
        <translation>Volle %1 Minuten</translation>
    </message>
    <message>
        <source>Round each clocking to:</source>
        <translation>Jede Stempelung runden auf:</translation>
    </message>
    <message>
        <source>Weekly overtime after hours</source>
        <translation>Überstunden ab Wochenstunden</translation>
    </message>
    <message>
        <source>Update!</source>
        <translation>Aktualisieren!</translation>
    </message>
    <message>
        <source>Weekly overtime after hours:</source>
        <translation>Überstunden ab Wochenstunden:</translation>
    </message>
    <message>
        <source>Current weekly overtime hours</source>
        <translation>Aktuelle Überstundengrenze in Wochenstunden</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Aktuell:</translation>
    </message>
    <message>
        <source>Shifts may cross midnight</source>
        <translation>Schichten dürfen über Mitternacht gehen</translation>
    </message>
    <message>
        <source>Several clock-ins a day</source>
        <translation>Mehrmaliges Einstempeln pro Tag</translation>
    </message>
</context>
</TS>
