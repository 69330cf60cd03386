<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta_IN">
<context>
    <name>AboutBox</name>
    <message>
        <source>Visit us online for news, help and our discussion forum.</source>
        <translation>செய்திகள், உதவி மற்றும் எங்கள் விவாத மன்றத்திற்கு எங்கள் இணையதளத்தைப் பார்வையிடுங்கள்.</translation>
    </message>
    <message>
        <source>Would you like this software to carry your own name, logo and web address? Fully branded editions are available for web sites and resellers.</source>
        <translation>இந்த மென்பொருள் உங்கள் சொந்தப் பெயர், சின்னம், இணைய முகவரியுடன் வர வேண்டுமா? இணையதளங்களுக்கும் மறுவிற்பனையாளர்களுக்கும் முழுமையான சொந்த முத்திரைப் பதிப்புகள் கிடைக்கின்றன.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>மேலும் விவரங்களுக்கு இங்கே சொடுக்கவும்.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Place names, coordinates and time zones: GeoNames (geonames.org), licensed CC BY 4.0.</source>
        <translation>இடப் பெயர்கள், ஆயத்தொலைவுகள், நேர மண்டலங்கள்: GeoNames (geonames.org), CC BY 4.0 உரிமத்தின் கீழ்.</translation>
    </message>
</context>
<context>
    <name>Ayanamsas</name>
    <message>
        <source>Lahiri</source>
        <translation>லாஹிரி</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>ராமன்</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>கிருஷ்ணமூர்த்தி</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Asc</source>
        <translation>லக்</translation>
    </message>
    <message>
        <source>Rasi Chart</source>
        <translation>ராசி சக்கரம்</translation>
    </message>
    <message>
        <source>Signs fixed; no ascendant computed</source>
        <translation>ராசிகள் நிலையானவை; லக்னம் கணிக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>* A precise ephemeris puts this planet in another sign</source>
        <translation>* துல்லிய அட்டவணைப்படி இந்தக் கிரகம் வேறு ராசியில் உள்ளது</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>வட இந்திய</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>தென் இந்திய</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Chart style</source>
        <translation>சக்கர வடிவம்</translation>
    </message>
    <message>
        <source>Chart &amp;style:</source>
        <translation>சக்கர வடிவம்: (&amp;S)</translation>
    </message>
</context>
<context>
    <name>Dignity</name>
    <message>
        <source>exalted</source>
        <translation>உச்சம்</translation>
    </message>
    <message>
        <source>debilitated</source>
        <translation>நீசம்</translation>
    </message>
    <message>
        <source>own sign</source>
        <translation>ஆட்சி</translation>
    </message>
    <message>
        <source>in a Great Friend&apos;s sign</source>
        <translation>அதிமித்ரன் வீட்டில்</translation>
    </message>
    <message>
        <source>in a Friend&apos;s sign</source>
        <translation>மித்ரன் வீட்டில்</translation>
    </message>
    <message>
        <source>in a Neutral&apos;s sign</source>
        <translation>சம வீட்டில்</translation>
    </message>
    <message>
        <source>in an Enemy&apos;s sign</source>
        <translation>சத்ரு வீட்டில்</translation>
    </message>
    <message>
        <source>in a Great Enemy&apos;s sign</source>
        <translation>அதிசத்ரு வீட்டில்</translation>
    </message>
</context>
<context>
    <name>EntryAccessibility</name>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>பிறந்த நாள்</translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>Hour of birth</source>
        <translation>பிறந்த மணி</translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation>பிறந்த நிமிடம்</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>அட்சரேகை பாகை</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>அட்சரேகை நிமிடம்</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>தீர்க்கரேகை பாகை</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>தீர்க்கரேகை நிமிடம்</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Latitude hemisphere</source>
        <translation>அட்சரேகை அரைக்கோளம்</translation>
    </message>
    <message>
        <source>Longitude hemisphere</source>
        <translation>தீர்க்கரேகை அரைக்கோளம்</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>DEG/MIN</source>
        <translation>பாகை/நிமி</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>முன்பு சேமித்த அறிக்கையைத் திற (&amp;O)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>அட்சரேகை &amp;&amp; தீர்க்கரேகை அறிய இங்கே சொடுக்கவும்</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>மணி/நிமி</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>&amp;Get My Planetary Relationships Reading</source>
        <translation>என் கிரக உறவுகள் அறிக்கையைப் பெறு (&amp;G)</translation>
    </message>
</context>
<context>
    <name>Hemispheres</name>
    <message>
        <source>S</source>
        <translation>தெ</translation>
    </message>
    <message>
        <source>N</source>
        <translation>வ</translation>
    </message>
    <message>
        <source>E</source>
        <translation>கி</translation>
    </message>
    <message>
        <source>W</source>
        <translation>மே</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>என் ராசி சக்கரத்தைப் பெறு (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open Reading...</source>
        <translation>அறிக்கையைத் திற... (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save Reading...</source>
        <translation>அறிக்கையைச் சேமி... (&amp;S)</translation>
    </message>
    <message>
        <source>Rece&amp;nt Readings</source>
        <translation>சமீபத்திய அறிக்கைகள் (&amp;N)</translation>
    </message>
    <message>
        <source>Show Rasi &amp;Chart...</source>
        <translation>ராசி சக்கரத்தைக் காட்டு... (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Reading...</source>
        <translation>அறிக்கையை அச்சிடு... (&amp;P)</translation>
    </message>
    <message>
        <source>Export Reading as P&amp;DF...</source>
        <translation>அறிக்கையை PDF ஆக ஏற்றுமதி செய்... (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>அறிக்கையை நகலெடு (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>வெளியேறு (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>இணைய உதவி (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளத்தைப் பார்வையிடு (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார் (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி (&amp;A)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>இணையத்தில் பணம் சம்பாதியுங்கள் (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation>நிலைகள் (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Classic Positions</source>
        <translation>பாரம்பரிய நிலைகள் (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions</source>
        <translation>துல்லிய நிலைகள் (&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>மொழி (&amp;L)</translation>
    </message>
    <message>
        <source>Visit our discussion forum</source>
        <translation>எங்கள் விவாத மன்றத்தைப் பார்வையிடுங்கள்</translation>
    </message>
    <message>
        <source>Get a fully branded edition of this software</source>
        <translation>இந்த மென்பொருளின் முழுமையான சொந்த முத்திரைப் பதிப்பைப் பெறுங்கள்</translation>
    </message>
    <message>
        <source>Get a co-branded edition</source>
        <translation>இணை முத்திரைப் பதிப்பைப் பெறுங்கள்</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Check The File.</source>
        <translation>தயவுசெய்து கோப்பைச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>உங்கள் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>அட்சரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>அட்சரேகையின் நிமிடங்களை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>தீர்க்கரேகையின் பாகையை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>தீர்க்கரேகையின் நிமிடங்களை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>உங்கள் நகரத்தின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>உங்கள் மாநிலத்தின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>உங்கள் நாட்டின் பெயரை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>அட்சரேகைக்கான திசையைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>தீர்க்கரேகைக்கான திசையைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>சரியான தேதி அல்லது மாதத்தை உள்ளிடவும்!</translation>
    </message>
    <message>
        <source>Please enter only letters</source>
        <translation>எழுத்துகளை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>எண்களை மட்டும் உள்ளிடவும்</translation>
    </message>
    <message>
        <source>The reading could not be written to &quot;%1&quot;.</source>
        <translation>அறிக்கையை &quot;%1&quot; இல் எழுத முடியவில்லை.</translation>
    </message>
    <message>
        <source>The chart could not be written to &quot;%1&quot;.</source>
        <translation>சக்கரத்தை &quot;%1&quot; இல் எழுத முடியவில்லை.</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>நகரத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>மாநிலத்தை உள்ளிடவும்</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>நாட்டை உள்ளிடவும்</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Address</source>
        <translation>முகவரி</translation>
    </message>
    <message>
        <source>No web browser could be started for this page. You can copy its address into a browser yourself:</source>
        <translation>இந்தப் பக்கத்திற்கு இணைய உலாவி எதையும் தொடங்க முடியவில்லை. இதன் முகவரியை நீங்களே ஓர் உலாவியில் நகலெடுத்து ஒட்டலாம்:</translation>
    </message>
</context>
<context>
    <name>Planets</name>
    <message>
        <source>Sun</source>
        <translation>சூரியன்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>புதன்</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>சுக்கிரன்</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>செவ்வாய்</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>குரு</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>சனி</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Kovrel  displays the kind of relationship shared between different planets. This includes natural, temporary and compound relationships.</source>
        <translation>Kovrel வெவ்வேறு கிரகங்களுக்கு இடையிலான உறவின் வகையைக் காட்டுகிறது. இதில் இயற்கை, தற்காலிக, கூட்டு உறவுகள் அடங்கும்.</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select the source file</source>
        <translation>மூலக் கோப்பைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>Yes</source>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>No</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>A precise ephemeris puts %1 at %2 %3</source>
        <translation>துல்லிய அட்டவணைப்படி %1 இருப்பது %3 %2</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>Planetary Relationships Reading</source>
        <translation>கிரக உறவுகள் அறிக்கை</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>தேதி</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>நேரம்</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>நேர மண்டலம்</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>பகலொளி சேமிப்பு</translation>
    </message>
    <message>
        <source>City</source>
        <translation>நகரம்</translation>
    </message>
    <message>
        <source>State</source>
        <translation>மாநிலம்</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>நாடு</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Planet Positions</source>
        <translation>கிரக நிலைகள்</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>இருப்பிடம்</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>ராசி</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>பாகைகள்</translation>
    </message>
    <message>
        <source>Dignity</source>
        <translation>பலம்</translation>
    </message>
    <message>
        <source>%1 - page %2 of %3</source>
        <translation>%1 - பக்கம் %2 / %3</translation>
    </message>
    <message>
        <source>Precise positions, %1 ayanamsa</source>
        <translation>துல்லிய நிலைகள், %1 அயனாம்சம்</translation>
    </message>
</context>
<context>
    <name>ReadingPrint</name>
    <message>
        <source>Print Reading</source>
        <translation>அறிக்கையை அச்சிடு</translation>
    </message>
</context>
<context>
    <name>Relations</name>
    <message>
        <source>Great Friend</source>
        <translation>அதிமித்ரன்</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>மித்ரன்</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>சமம்</translation>
    </message>
    <message>
        <source>Enemy</source>
        <translation>சத்ரு</translation>
    </message>
    <message>
        <source>Great Enemy</source>
        <translation>அதிசத்ரு</translation>
    </message>
    <message>
        <source>Planet</source>
        <translation>கிரகம்</translation>
    </message>
    <message>
        <source>Friends (mitra)</source>
        <translation>நண்பர்கள் (மித்ர)</translation>
    </message>
    <message>
        <source>Enemies (satru)</source>
        <translation>பகைவர்கள் (சத்ரு)</translation>
    </message>
    <message>
        <source>Neutral (sama)</source>
        <translation>நடுநிலை (சம)</translation>
    </message>
    <message>
        <source>Natural (Naisargika)</source>
        <translation>இயற்கை (நைசர்கிக)</translation>
    </message>
    <message>
        <source>Temporary (Tatkalika)</source>
        <translation>தற்காலிக (தாத்காலிக)</translation>
    </message>
    <message>
        <source>Compound (Panchadha)</source>
        <translation>கூட்டு (பஞ்சதா)</translation>
    </message>
    <message>
        <source>Natural Relationship</source>
        <translation>இயற்கை உறவு</translation>
    </message>
    <message>
        <source>Temporary Relationship</source>
        <translation>தற்காலிக உறவு</translation>
    </message>
    <message>
        <source>Compound Relationship</source>
        <translation>கூட்டு உறவு</translation>
    </message>
    <message>
        <source>Kovrel Result</source>
        <translation>Kovrel முடிவு</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>daylight saving time</source>
        <translation>பகலொளி சேமிப்பு நேரம்</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>நிலைகள்</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>பிறப்பு</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>இடம்</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>அட்சரேகை</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>அயனாம்சம்</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>சந்திரன்</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>லக்னம்</translation>
    </message>
    <message>
        <source>North</source>
        <translation>வடக்கு</translation>
    </message>
    <message>
        <source>South</source>
        <translation>தெற்கு</translation>
    </message>
    <message>
        <source>East</source>
        <translation>கிழக்கு</translation>
    </message>
    <message>
        <source>West</source>
        <translation>மேற்கு</translation>
    </message>
    <message>
        <source>Placements</source>
        <translation>இருப்பிடங்கள்</translation>
    </message>
    <message>
        <source>Dignities</source>
        <translation>பலங்கள்</translation>
    </message>
    <message>
        <source>Second opinion</source>
        <translation>இரண்டாம் கருத்து</translation>
    </message>
</context>
<context>
    <name>ResultPanels</name>
    <message>
        <source>&amp;Save</source>
        <translation>சேமி (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>பின்செல் (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>சக்கரம் (&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowSentence</name>
    <message>
        <source>no friends</source>
        <translation>நண்பர்கள் இல்லை</translation>
    </message>
    <message>
        <source>friends %1</source>
        <translation>நண்பர்கள் %1</translation>
    </message>
    <message>
        <source>no enemies</source>
        <translation>பகைவர்கள் இல்லை</translation>
    </message>
    <message>
        <source>enemies %1</source>
        <translation>பகைவர்கள் %1</translation>
    </message>
    <message>
        <source>neutral %1</source>
        <translation>சமம் %1</translation>
    </message>
</context>
<context>
    <name>Sign abbreviations</name>
    <message>
        <source>Ari</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Tau</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gem</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Can</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Vir</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Lib</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Sco</source>
        <translation>விருச்சி</translation>
    </message>
    <message>
        <source>Sag</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Cap</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aqu</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pis</source>
        <translation>மீனம்</translation>
    </message>
</context>
<context>
    <name>Signs</name>
    <message>
        <source>Aries</source>
        <translation>மேஷம்</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>ரிஷபம்</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>மிதுனம்</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>கடகம்</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>சிம்மம்</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>கன்னி</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>துலாம்</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>விருச்சிகம்</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>தனுசு</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>மகரம்</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>கும்பம்</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>மீனம்</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>இந்த மென்பொருளுக்குப் புதுப்பிப்பு கிடைக்கக்கூடும்<byte value="xd"/>புதுப்பிப்பைச் சரிபார்க்க வேண்டுமா?</translation>
    </message>
</context>
</TS>
