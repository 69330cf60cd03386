<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Visit us online for news, help and our discussion forum.</source>
        <translation>समाचार, सहायता और हमारे चर्चा मंच के लिए हमें ऑनलाइन देखें।</translation>
    </message>
    <message>
        <source>Would you like this software to carry your own name, logo and web address? Fully branded editions are available for web sites and resellers.</source>
        <translation>क्या आप चाहते हैं कि इस सॉफ़्टवेयर पर आपका अपना नाम, लोगो और वेब पता हो? वेबसाइटों और पुनर्विक्रेताओं के लिए पूर्ण ब्रांडेड संस्करण उपलब्ध हैं।</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Place names, coordinates and time zones: GeoNames (geonames.org), licensed CC BY 4.0.</source>
        <translation>स्थानों के नाम, निर्देशांक और समय क्षेत्र: GeoNames (geonames.org), CC BY 4.0 लाइसेंस के अंतर्गत।</translation>
    </message>
</context>
<context>
    <name>Ayanamsas</name>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Rasi Chart</source>
        <translation>राशि कुंडली</translation>
    </message>
    <message>
        <source>Signs fixed; no ascendant computed</source>
        <translation>राशियाँ स्थिर; लग्न की गणना नहीं</translation>
    </message>
    <message>
        <source>* A precise ephemeris puts this planet in another sign</source>
        <translation>* सटीक गणना के अनुसार यह ग्रह दूसरी राशि में है</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Chart style</source>
        <translation>कुंडली शैली</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>कुंडली शैली (&amp;S):</translation>
    </message>
</context>
<context>
    <name>Dignity</name>
    <message>
        <source>exalted</source>
        <translation>उच्च</translation>
    </message>
    <message>
        <source>debilitated</source>
        <translation>नीच</translation>
    </message>
    <message>
        <source>own sign</source>
        <translation>स्वराशि</translation>
    </message>
    <message>
        <source>in a Great Friend&apos;s sign</source>
        <translation>अधिमित्र राशि में</translation>
    </message>
    <message>
        <source>in a Friend&apos;s sign</source>
        <translation>मित्र राशि में</translation>
    </message>
    <message>
        <source>in a Neutral&apos;s sign</source>
        <translation>सम राशि में</translation>
    </message>
    <message>
        <source>in an Enemy&apos;s sign</source>
        <translation>शत्रु राशि में</translation>
    </message>
    <message>
        <source>in a Great Enemy&apos;s sign</source>
        <translation>अधिशत्रु राशि में</translation>
    </message>
</context>
<context>
    <name>EntryAccessibility</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>जन्म का महीना</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>जन्म का घंटा</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>जन्म का मिनट</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>अक्षांश के अंश</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश की कला</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>देशांतर के अंश</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर की कला</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>अक्षांश का गोलार्ध</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>देशांतर का गोलार्ध</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत जानकारी</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया विवरण खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर जानने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>घं/मि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>&amp;Get My Planetary Relationships Reading</source>
        <translation>मेरा ग्रह संबंध विवरण पाएँ (&amp;G)</translation>
    </message>
</context>
<context>
    <name>Hemispheres</name>
    <message>
        <source>S</source>
        <translation>द</translation>
    </message>
    <message>
        <source>N</source>
        <translation>उ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <translation>प</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>मेरी राशि कुंडली पाएँ (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>विवरण खोलें... (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>विवरण सहेजें... (&amp;S)</translation>
    </message>
    <message>
        <source>Rece&amp;nt Readings</source>
        <translation>हाल के विवरण (&amp;N)</translation>
    </message>
    <message>
        <source>Show Rasi &amp;Chart...</source>
        <translation>राशि कुंडली दिखाएँ... (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Reading...</source>
        <translation>विवरण प्रिंट करें... (&amp;P)</translation>
    </message>
    <message>
        <source>Export Reading as P&amp;DF...</source>
        <translation>विवरण PDF में निर्यात करें... (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>विवरण कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमें ऑनलाइन देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन पैसे कमाएँ (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>स्थितियाँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Classic Positions</source>
        <translation>पारंपरिक स्थितियाँ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>सटीक स्थितियाँ (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>Visit our discussion forum</source>
        <translation>हमारे चर्चा मंच पर आएँ</translation>
    </message>
    <message>
        <source>Get a fully branded edition of this software</source>
        <translation>इस सॉफ़्टवेयर का पूर्ण ब्रांडेड संस्करण पाएँ</translation>
    </message>
    <message>
        <source>Get a co-branded edition</source>
        <translation>सह-ब्रांडेड संस्करण पाएँ</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांश की कला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर की कला दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>कृपया अपने शहर का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>कृपया अपने राज्य का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>कृपया अपने देश का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांश की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया देशांतर की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना दर्ज करें !</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक दर्ज करें</translation>
    </message>
    <message>
        <source>The reading could not be written to &quot;%1&quot;.</source>
        <translation>विवरण &quot;%1&quot; में नहीं लिखा जा सका।</translation>
    </message>
    <message>
        <source>The chart could not be written to &quot;%1&quot;.</source>
        <translation>कुंडली &quot;%1&quot; में नहीं लिखी जा सकी।</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Address</source>
        <translation>पता</translation>
    </message>
    <message>
        <source>No web browser could be started for this page. You can copy its address into a browser yourself:</source>
        <translation>इस पृष्ठ के लिए कोई वेब ब्राउज़र शुरू नहीं हो सका। आप इसका पता स्वयं किसी ब्राउज़र में कॉपी कर सकते हैं:</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>गुरु</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kovrel  displays the kind of relationship shared between different planets. This includes natural, temporary and compound relationships.</source>
        <translation>Kovrel विभिन्न ग्रहों के बीच के संबंधों का प्रकार दिखाता है। इसमें नैसर्गिक, तात्कालिक और पंचधा (संयुक्त) संबंध शामिल हैं।</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>A precise ephemeris puts %1 at %2 %3</source>
        <translation>सटीक गणना के अनुसार %1 %3 के %2 पर है</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Planetary Relationships Reading</source>
        <translation>ग्रह संबंध विवरण</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>समय</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Planet Positions</source>
        <translation>ग्रह स्थितियाँ</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>अवस्था</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - पृष्ठ %3 में से %2</translation>
    </message>
    <message>
        <source>Precise positions, %1 ayanamsa</source>
        <translation>सटीक स्थितियाँ, %1 अयनांश</translation>
    </message>
</context>
<context>
    <name>ReadingPrint</name>
    <message>
        <source>Print Reading</source>
        <translation>विवरण प्रिंट करें</translation>
    </message>
</context>
<context>
    <name>Relations</name>
    <message>
        <source>Great Friend</source>
        <translation>अधिमित्र</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>मित्र</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>सम</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>शत्रु</translation>
    </message>
    <message>
        <source>Great Enemy</source>
        <translation>अधिशत्रु</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>ग्रह</translation>
    </message>
    <message>
        <source>Friends (mitra)</source>
        <translation>दोस्त (मित्र)</translation>
    </message>
    <message>
        <source>Enemies (satru)</source>
        <translation>दुश्मन (शत्रु)</translation>
    </message>
    <message>
        <source>Neutral (sama)</source>
        <translation>तटस्थ (सम)</translation>
    </message>
    <message>
        <source>Natural (Naisargika)</source>
        <translation>प्राकृतिक (नैसर्गिक)</translation>
    </message>
    <message>
        <source>Temporary (Tatkalika)</source>
        <translation>अस्थायी (तात्कालिक)</translation>
    </message>
    <message>
        <source>Compound (Panchadha)</source>
        <translation>संयुक्त (पंचधा)</translation>
    </message>
    <message>
        <source>Natural Relationship</source>
        <translation>नैसर्गिक संबंध</translation>
    </message>
    <message>
        <source>Temporary Relationship</source>
        <translation>तात्कालिक संबंध</translation>
    </message>
    <message>
        <source>Compound Relationship</source>
        <translation>पंचधा संबंध</translation>
    </message>
    <message>
        <source>Kovrel Result</source>
        <translation>Kovrel परिणाम</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>daylight saving time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>स्थितियाँ</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Placements</source>
        <translation>ग्रह स्पष्ट</translation>
    </message>
    <message>
        <source>Dignities</source>
        <translation>अवस्थाएँ</translation>
    </message>
    <message>
        <source>Second opinion</source>
        <translation>दूसरी राय</translation>
    </message>
</context>
<context>
    <name>ResultPanels</name>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>कुंडली (&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowSentence</name>
    <message>
        <source>no friends</source>
        <translation>कोई मित्र नहीं</translation>
    </message>
    <message>
        <source>friends %1</source>
        <translation>मित्र %1</translation>
    </message>
    <message>
        <source>no enemies</source>
        <translation>कोई शत्रु नहीं</translation>
    </message>
    <message>
        <source>enemies %1</source>
        <translation>शत्रु %1</translation>
    </message>
    <message>
        <source>neutral %1</source>
        <translation>सम %1</translation>
    </message>
</context>
<context>
    <name>Sign abbreviations</name>
    <message>
        <source>Ari</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>मेष</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>वृषभ</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>मिथुन</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>कर्क</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>कन्या</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>तुला</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>वृश्चिक</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>धनु</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>मकर</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>कुंभ</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>मीन</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का अपडेट उपलब्ध हो सकता है<byte value="xd"/>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
</context>
</TS>
