<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Visit us online for news, help and our discussion forum.</source>
        <translation>ಸುದ್ದಿ, ಸಹಾಯ ಮತ್ತು ನಮ್ಮ ಚರ್ಚಾ ವೇದಿಕೆಗಾಗಿ ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ.</translation>
    </message>
    <message>
        <source>Would you like this software to carry your own name, logo and web address? Fully branded editions are available for web sites and resellers.</source>
        <translation>ಈ ತಂತ್ರಾಂಶವು ನಿಮ್ಮದೇ ಹೆಸರು, ಲೋಗೋ ಮತ್ತು ಜಾಲತಾಣ ವಿಳಾಸವನ್ನು ಹೊಂದಿರಬೇಕೆ? ಜಾಲತಾಣಗಳು ಮತ್ತು ಮರುಮಾರಾಟಗಾರರಿಗೆ ಸಂಪೂರ್ಣ ಬ್ರ್ಯಾಂಡ್ ಆವೃತ್ತಿಗಳು ಲಭ್ಯವಿವೆ.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>ಹೆಚ್ಚಿನ ವಿವರಗಳಿಗೆ ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Place names, coordinates and time zones: GeoNames (geonames.org), licensed CC BY 4.0.</source>
        <translation>ಸ್ಥಳಗಳ ಹೆಸರುಗಳು, ನಿರ್ದೇಶಾಂಕಗಳು ಮತ್ತು ಸಮಯ ವಲಯಗಳು: GeoNames (geonames.org), CC BY 4.0 ಪರವಾನಗಿಯಡಿ.</translation>
    </message>
</context>
<context>
    <name>Ayanamsas</name>
    <message>
        <source>Lahiri</source>
        <translation>ಲಾಹಿರಿ</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ರಾಮನ್</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>ಕೃಷ್ಣಮೂರ್ತಿ</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Asc</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Rasi Chart</source>
        <translation>ರಾಶಿ ಕುಂಡಲಿ</translation>
    </message>
    <message>
        <source>Signs fixed; no ascendant computed</source>
        <translation>ರಾಶಿಗಳು ಸ್ಥಿರ; ಲಗ್ನ ಲೆಕ್ಕಹಾಕಿಲ್ಲ</translation>
    </message>
    <message>
        <source>* A precise ephemeris puts this planet in another sign</source>
        <translation>* ನಿಖರ ಗ್ರಹಗಣಿತದ ಪ್ರಕಾರ ಈ ಗ್ರಹ ಬೇರೆ ರಾಶಿಯಲ್ಲಿದೆ</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>ಉತ್ತರ ಭಾರತೀಯ</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Chart style</source>
        <translation>ಕುಂಡಲಿ ಶೈಲಿ</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>ಕುಂಡಲಿ ಶೈಲಿ (&amp;S):</translation>
    </message>
</context>
<context>
    <name>Dignity</name>
    <message>
        <source>exalted</source>
        <translation>ಉಚ್ಚ</translation>
    </message>
    <message>
        <source>debilitated</source>
        <translation>ನೀಚ</translation>
    </message>
    <message>
        <source>own sign</source>
        <translation>ಸ್ವಕ್ಷೇತ್ರ</translation>
    </message>
    <message>
        <source>in a Great Friend&apos;s sign</source>
        <translation>ಅಧಿಮಿತ್ರನ ರಾಶಿಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>in a Friend&apos;s sign</source>
        <translation>ಮಿತ್ರನ ರಾಶಿಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>in a Neutral&apos;s sign</source>
        <translation>ಸಮನ ರಾಶಿಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>in an Enemy&apos;s sign</source>
        <translation>ಶತ್ರುವಿನ ರಾಶಿಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>in a Great Enemy&apos;s sign</source>
        <translation>ಅಧಿಶತ್ರುವಿನ ರಾಶಿಯಲ್ಲಿ</translation>
    </message>
</context>
<context>
    <name>EntryAccessibility</name>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>ಹುಟ್ಟಿದ ದಿನ</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>ಹುಟ್ಟಿದ ತಿಂಗಳು</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>ಹುಟ್ಟಿದ ವರ್ಷ</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>ಹುಟ್ಟಿದ ಗಂಟೆ</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>ಹುಟ್ಟಿದ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>ಅಕ್ಷಾಂಶ ಡಿಗ್ರಿ</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>ಅಕ್ಷಾಂಶ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>ರೇಖಾಂಶ ಡಿಗ್ರಿ</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>ರೇಖಾಂಶ ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>ಅಕ್ಷಾಂಶ ಗೋಳಾರ್ಧ</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>ರೇಖಾಂಶ ಗೋಳಾರ್ಧ</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>DEG/MIN</source>
        <translation>ಡಿಗ್ರಿ/ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>ವೈಯಕ್ತಿಕ ವಿವರಗಳು</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>ಹಿಂದೆ ಉಳಿಸಿದ ವರದಿ ತೆರೆಯಿರಿ (&amp;O)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>ಜನ್ಮ ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>ಅಕ್ಷಾಂಶ &amp;&amp; ರೇಖಾಂಶ ಹುಡುಕಲು ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>ಗಂಟೆ/ನಿಮಿಷ</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>ಜನ್ಮ ಸಮಯ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>&amp;Get My Planetary Relationships Reading</source>
        <translation>ನನ್ನ ಗ್ರಹ ಸಂಬಂಧಗಳ ವರದಿ ಪಡೆಯಿರಿ (&amp;G)</translation>
    </message>
</context>
<context>
    <name>Hemispheres</name>
    <message>
        <source>S</source>
        <translation>ದ</translation>
    </message>
    <message>
        <source>N</source>
        <translation>ಉ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>ಪೂ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>ಪ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ಕಡತ (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>ನನ್ನ ರಾಶಿ ಕುಂಡಲಿ ಪಡೆಯಿರಿ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>ವರದಿ ತೆರೆಯಿರಿ... (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>ವರದಿ ಉಳಿಸಿ... (&amp;S)</translation>
    </message>
    <message>
        <source>Rece&amp;nt Readings</source>
        <translation>ಇತ್ತೀಚಿನ ವರದಿಗಳು (&amp;N)</translation>
    </message>
    <message>
        <source>Show Rasi &amp;Chart...</source>
        <translation>ರಾಶಿ ಕುಂಡಲಿ ತೋರಿಸಿ... (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Reading...</source>
        <translation>ವರದಿ ಮುದ್ರಿಸಿ... (&amp;P)</translation>
    </message>
    <message>
        <source>Export Reading as P&amp;DF...</source>
        <translation>ವರದಿಯನ್ನು PDF ಆಗಿ ರಫ್ತು ಮಾಡಿ... (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>ವರದಿ ನಕಲಿಸಿ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>ನಿರ್ಗಮಿಸಿ (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ಸಹಾಯ (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ನಮ್ಮ ಜಾಲತಾಣಕ್ಕೆ ಭೇಟಿ ನೀಡಿ (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>ತಂತ್ರಾಂಶ ನವೀಕರಣ ಪರಿಶೀಲಿಸಿ (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>ತಂತ್ರಾಂಶದ ಬಗ್ಗೆ (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ಆನ್‌ಲೈನ್‌ನಲ್ಲಿ ಹಣ ಗಳಿಸಿ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>ಸ್ಥಾನಗಳು (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Classic Positions</source>
        <translation>ಸಾಂಪ್ರದಾಯಿಕ ಸ್ಥಾನಗಳು (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>ನಿಖರ ಸ್ಥಾನಗಳು (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ಭಾಷೆ (&amp;L)</translation>
    </message>
    <message>
        <source>Visit our discussion forum</source>
        <translation>ನಮ್ಮ ಚರ್ಚಾ ವೇದಿಕೆಗೆ ಭೇಟಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Get a fully branded edition of this software</source>
        <translation>ಈ ತಂತ್ರಾಂಶದ ಸಂಪೂರ್ಣ ಬ್ರ್ಯಾಂಡ್ ಆವೃತ್ತಿ ಪಡೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Get a co-branded edition</source>
        <translation>ಸಹ-ಬ್ರ್ಯಾಂಡ್ ಆವೃತ್ತಿ ಪಡೆಯಿರಿ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Check The File.</source>
        <translation>ದಯವಿಟ್ಟು ಕಡತವನ್ನು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>ದಯವಿಟ್ಟು ನಿಮ್ಮ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ಡಿಗ್ರಿ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ನಿಮಿಷ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ಡಿಗ್ರಿ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ನಿಮಿಷ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>ದಯವಿಟ್ಟು ನಿಮ್ಮ ನಗರದ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>ದಯವಿಟ್ಟು ನಿಮ್ಮ ರಾಜ್ಯದ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>ದಯವಿಟ್ಟು ನಿಮ್ಮ ದೇಶದ ಹೆಸರು ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷಾಂಶದ ದಿಕ್ಕನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>ದಯವಿಟ್ಟು ರೇಖಾಂಶದ ದಿಕ್ಕನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕ ಅಥವಾ ತಿಂಗಳು ನಮೂದಿಸಿ!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>ದಯವಿಟ್ಟು ಸರಿಯಾದ ದಿನಾಂಕ ಅಥವಾ ತಿಂಗಳು ನಮೂದಿಸಿ !</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>ದಯವಿಟ್ಟು ಅಕ್ಷರಗಳನ್ನು ಮಾತ್ರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>ದಯವಿಟ್ಟು ಸಂಖ್ಯೆಗಳನ್ನು ಮಾತ್ರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>The reading could not be written to &quot;%1&quot;.</source>
        <translation>ವರದಿಯನ್ನು &quot;%1&quot; ಕಡತಕ್ಕೆ ಬರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The chart could not be written to &quot;%1&quot;.</source>
        <translation>ಕುಂಡಲಿಯನ್ನು &quot;%1&quot; ಕಡತಕ್ಕೆ ಬರೆಯಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>ದಯವಿಟ್ಟು ನಗರ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>ದಯವಿಟ್ಟು ರಾಜ್ಯ ನಮೂದಿಸಿ</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>ದಯವಿಟ್ಟು ದೇಶ ನಮೂದಿಸಿ</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ಜನವರಿ</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ಫೆಬ್ರವರಿ</translation>
    </message>
    <message>
        <source>March</source>
        <translation>ಮಾರ್ಚ್</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ಏಪ್ರಿಲ್</translation>
    </message>
    <message>
        <source>May</source>
        <translation>ಮೇ</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ಜೂನ್</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ಜುಲೈ</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ಆಗಸ್ಟ್</translation>
    </message>
    <message>
        <source>September</source>
        <translation>ಸೆಪ್ಟೆಂಬರ್</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ಅಕ್ಟೋಬರ್</translation>
    </message>
    <message>
        <source>November</source>
        <translation>ನವೆಂಬರ್</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ಡಿಸೆಂಬರ್</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Address</source>
        <translation>ವಿಳಾಸ</translation>
    </message>
    <message>
        <source>No web browser could be started for this page. You can copy its address into a browser yourself:</source>
        <translation>ಈ ಪುಟಕ್ಕಾಗಿ ಯಾವುದೇ ವೆಬ್ ಬ್ರೌಸರ್ ಆರಂಭಿಸಲಾಗಲಿಲ್ಲ. ಇದರ ವಿಳಾಸವನ್ನು ನೀವೇ ಬ್ರೌಸರ್‌ಗೆ ನಕಲಿಸಬಹುದು:</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>ಸೂರ್ಯ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>ಬುಧ</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>ಶುಕ್ರ</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>ಕುಜ</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>ಗುರು</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>ಶನಿ</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kovrel  displays the kind of relationship shared between different planets. This includes natural, temporary and compound relationships.</source>
        <translation>Kovrel ವಿವಿಧ ಗ್ರಹಗಳ ನಡುವಿನ ಸಂಬಂಧದ ಬಗೆಯನ್ನು ತೋರಿಸುತ್ತದೆ. ಇದರಲ್ಲಿ ನೈಸರ್ಗಿಕ, ತಾತ್ಕಾಲಿಕ ಮತ್ತು ಸಂಯುಕ್ತ ಸಂಬಂಧಗಳು ಸೇರಿವೆ.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select the source file</source>
        <translation>ಮೂಲ ಕಡತವನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Yes</source>
        <translation>ಹೌದು</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>A precise ephemeris puts %1 at %2 %3</source>
        <translation>ನಿಖರ ಗ್ರಹಗಣಿತದ ಪ್ರಕಾರ %1 %3 ರಾಶಿಯ %2 ರಲ್ಲಿದೆ</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>Planetary Relationships Reading</source>
        <translation>ಗ್ರಹ ಸಂಬಂಧಗಳ ವರದಿ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>ದಿನಾಂಕ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>ಸಮಯ</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>ನಗರ</translation>
    </message>
    <message>
        <source>State</source>
        <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>ದೇಶ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>ಅಯನಾಂಶ</translation>
    </message>
    <message>
        <source>Planet Positions</source>
        <translation>ಗ್ರಹ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>ಸ್ಥಾನ</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ರಾಶಿ</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>ಡಿಗ್ರಿ</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>ಸ್ಥಿತಿ</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - ಪುಟ %2 (ಒಟ್ಟು %3)</translation>
    </message>
    <message>
        <source>Precise positions, %1 ayanamsa</source>
        <translation>ನಿಖರ ಸ್ಥಾನಗಳು, %1 ಅಯನಾಂಶ</translation>
    </message>
</context>
<context>
    <name>ReadingPrint</name>
    <message>
        <source>Print Reading</source>
        <translation>ವರದಿ ಮುದ್ರಿಸಿ</translation>
    </message>
</context>
<context>
    <name>Relations</name>
    <message>
        <source>Great Friend</source>
        <translation>ಅಧಿಮಿತ್ರ</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>ಮಿತ್ರ</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>ಸಮ</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>ಶತ್ರು</translation>
    </message>
    <message>
        <source>Great Enemy</source>
        <translation>ಅಧಿಶತ್ರು</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ಗ್ರಹ</translation>
    </message>
    <message>
        <source>Friends (mitra)</source>
        <translation>ಸ್ನೇಹಿತರು (ಮಿತ್ರ)</translation>
    </message>
    <message>
        <source>Enemies (satru)</source>
        <translation>ವೈರಿಗಳು (ಶತ್ರು)</translation>
    </message>
    <message>
        <source>Neutral (sama)</source>
        <translation>ತಟಸ್ಥ (ಸಮ)</translation>
    </message>
    <message>
        <source>Natural (Naisargika)</source>
        <translation>ಸ್ವಾಭಾವಿಕ (ನೈಸರ್ಗಿಕ)</translation>
    </message>
    <message>
        <source>Temporary (Tatkalika)</source>
        <translation>ಅಲ್ಪಕಾಲಿಕ (ತಾತ್ಕಾಲಿಕ)</translation>
    </message>
    <message>
        <source>Compound (Panchadha)</source>
        <translation>ಸಂಯುಕ್ತ (ಪಂಚಧಾ)</translation>
    </message>
    <message>
        <source>Natural Relationship</source>
        <translation>ನೈಸರ್ಗಿಕ ಸಂಬಂಧ</translation>
    </message>
    <message>
        <source>Temporary Relationship</source>
        <translation>ತಾತ್ಕಾಲಿಕ ಸಂಬಂಧ</translation>
    </message>
    <message>
        <source>Compound Relationship</source>
        <translation>ಪಂಚಧಾ ಸಂಬಂಧ</translation>
    </message>
    <message>
        <source>Kovrel Result</source>
        <translation>Kovrel ಫಲಿತಾಂಶ</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>daylight saving time</source>
        <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ಹೆಸರು</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>ಜನನ</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>ಅಯನಾಂಶ</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>ಚಂದ್ರ</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>ಲಗ್ನ</translation>
    </message>
    <message>
        <source>North</source>
        <translation>ಉತ್ತರ</translation>
    </message>
    <message>
        <source>South</source>
        <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
        <source>East</source>
        <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
        <source>West</source>
        <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
        <source>Placements</source>
        <translation>ಗ್ರಹ ಸ್ಥಾನಗಳು</translation>
    </message>
    <message>
        <source>Dignities</source>
        <translation>ಸ್ಥಿತಿಗಳು</translation>
    </message>
    <message>
        <source>Second opinion</source>
        <translation>ಎರಡನೇ ಅಭಿಪ್ರಾಯ</translation>
    </message>
</context>
<context>
    <name>ResultPanels</name>
    <message>
        <source>&amp;Save</source>
        <translation>ಉಳಿಸಿ (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ಹಿಂದೆ (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>ಕುಂಡಲಿ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowSentence</name>
    <message>
        <source>no friends</source>
        <translation>ಸ್ನೇಹಿತರಿಲ್ಲ</translation>
    </message>
    <message>
        <source>friends %1</source>
        <translation>ಸ್ನೇಹಿತರು %1</translation>
    </message>
    <message>
        <source>no enemies</source>
        <translation>ವೈರಿಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>enemies %1</source>
        <translation>ವೈರಿಗಳು %1</translation>
    </message>
    <message>
        <source>neutral %1</source>
        <translation>ತಟಸ್ಥ %1</translation>
    </message>
</context>
<context>
    <name>Sign abbreviations</name>
    <message>
        <source>Ari</source>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ವೃಷಭ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>ಮಿಥುನ</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>ಕಟಕ</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>ಕನ್ಯಾ</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>ತುಲಾ</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>ವೃಶ್ಚಿಕ</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>ಮಕರ</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>ಕುಂಭ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>ಮೀನ</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>ಮೇಷ</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ವೃಷಭ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>ಮಿಥುನ</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>ಕಟಕ</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>ಸಿಂಹ</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>ಕನ್ಯಾ</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>ತುಲಾ</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>ವೃಶ್ಚಿಕ</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>ಧನು</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>ಮಕರ</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>ಕುಂಭ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>ಮೀನ</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>ಈ ತಂತ್ರಾಂಶಕ್ಕೆ ನವೀಕರಣ ಲಭ್ಯವಿರಬಹುದು<byte value="xd"/>ನವೀಕರಣಕ್ಕಾಗಿ ಪರಿಶೀಲಿಸಲು ಬಯಸುವಿರಾ?</translation>
    </message>
</context>
</TS>
