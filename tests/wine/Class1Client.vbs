' A VBScript client of Kestrane.Class1. Usage: cscript Class1Client.vbs CASE FOLDER
' Text goes in and out through ANSI files in FOLDER, so the driver can compare bytes. Prints
' "FAIL: ..." for each failed check and "KESTRANE-OK" when the case ran through without one
' (cscript exits 0 even when a script stops on an error).
Option Explicit

Const ForReading = 1
Dim fso, folder, failures
Set fso = CreateObject("Scripting.FileSystemObject")
folder = WScript.Arguments(1)
failures = 0

Select Case WScript.Arguments(0)
  Case "convert": Convert
  Case "tables": Tables
  Case "missing-file": MissingFile
  Case "save-order": SaveOrder
  Case "error": RaisedError
  Case Else: Check False, "unknown case " & WScript.Arguments(0)
End Select
If failures = 0 Then WScript.Echo "KESTRANE-OK"

Sub Check(condition, message)
  If Not condition Then
    WScript.Echo "FAIL: " & message
    failures = failures + 1
  End If
End Sub

Function ReadText(name)
  Dim stream
  Set stream = fso.OpenTextFile(folder & "\" & name, ForReading, False, 0)
  ReadText = stream.ReadAll
  stream.Close
End Function

Sub WriteText(name, text)
  Dim stream
  Set stream = fso.CreateTextFile(folder & "\" & name, True, False)
  stream.Write text
  stream.Close
End Sub

' GB text to BIG5 and back, the results written for the driver to compare.
Sub Convert
  Dim converter, big5
  Set converter = CreateObject("Kestrane.Class1")
  big5 = converter.GBtoBIG5(ReadText("gb.txt"))
  Check VarType(big5) = vbString, "GBtoBIG5 returns a string"
  WriteText "big5-out.txt", big5
  WriteText "gb-out.txt", converter.BIG5toGB(ReadText("big5.txt"))
  Check converter.GBtoBIG5(12) = "12", "the integer 12 converts as its text"
  Check converter.GBtoBIG5("") = "", "the empty string converts to the empty string"
  Check converter.BIG5toGB(Empty) = "", "the empty variant converts to the empty string"
  Check converter.Version() = "1.0", "Version is 1.0"
  converter.DisConnect
End Sub

' The tables as variant arrays of integers; changing a copy changes nothing in the server.
Sub Tables
  Dim converter, gb, big5
  Set converter = CreateObject("Kestrane.Class1")
  gb = converter.GetGBData()
  Check LBound(gb) = 0 And UBound(gb) = CLng(ReadText("gb-count.txt")) - 1, _
        "GetGBData holds GBCount elements, got " & UBound(gb) + 1
  Check VarType(gb(5029)) = vbLong And gb(5029) = &HA4A4&, "GBTable(5029) is A4A4"
  big5 = converter.GetBIG5Data()
  Check UBound(big5) = 2491 And big5(537) = &HD6D0&, "BIG5Table(537) is D6D0"
  gb(5029) = 0
  gb = converter.GetGBData()
  Check gb(5029) = &HA4A4&, "a changed copy leaves the server's table"
  Check converter.ReLoad() = True, "ReLoad finds the table file"
End Sub

' No table file: the message box returns at once without a display, the result is false.
Sub MissingFile
  Dim converter
  Set converter = CreateObject("Kestrane.Class1")
  Check converter.ReLoad() = False, "ReLoad without a table file is False"
  Check IsEmpty(converter.GetGBData()), "a table never loaded is the empty variant"
End Sub

' A mapping saved through one object is seen by another.
Sub SaveOrder
  Dim first, second
  Set first = CreateObject("Kestrane.Class1")
  Set second = CreateObject("Kestrane.Class1")
  Check first.SaveOrder(ReadText("big5-char.txt"), "A4E5", ReadText("gb-char.txt"), "CEC4"), _
        "SaveOrder saves"
  WriteText "big5-out.txt", second.GBtoBIG5(ReadText("gb-char.txt"))
  WriteText "gb-out.txt", second.BIG5toGB(ReadText("big5-char.txt"))
  Check Not first.SaveOrder("x", "A4E5", ReadText("gb-char.txt"), "CEC4"), _
        "a character without index is not saved"
End Sub

' Raised errors reach the script with their message.
Sub RaisedError
  Dim converter, result
  Set converter = CreateObject("Kestrane.Class1")
  On Error Resume Next
  result = converter.ReLoad()
  Check Err.Number <> 0, "ReLoad of a broken table file fails"
  WriteText "error.txt", Err.Description
  Err.Clear
  result = converter.GBtoBIG5(Null)
  Check Err.Number <> 0 And Len(Err.Description) > 0, "Null has no text: an error with a message"
  Check IsEmpty(result), "a failed call leaves its result empty"
  On Error GoTo 0
End Sub
