<?xml version="1.0" encoding="UTF-8"?>
<!-- The paragraphs and list items of an AppStream metainfo's <description> in one language
     (the parameter langue: empty for the untranslated ones, "fr"), one a line: its kind (p,
     li), a space, its text with its blanks run together. Read by description-debian.sh. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="text" encoding="UTF-8"/>
  <xsl:param name="langue" select="''"/>
  <xsl:template match="/">
    <xsl:for-each select="/component/description//*[self::p or self::li]
                          [($langue = '' and not(@xml:lang)) or @xml:lang = $langue]">
      <xsl:value-of select="local-name()"/>
      <xsl:text> </xsl:text>
      <xsl:value-of select="normalize-space()"/>
      <xsl:text>&#10;</xsl:text>
    </xsl:for-each>
  </xsl:template>
</xsl:stylesheet>
