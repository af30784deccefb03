#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include "AnaliseTeste.h"
#include "nucleo/TColecao.h"
#include "suporte/FalhasBancoRegistradas.h"
#include "suporte/PastaProgramaTemp.h"
#include "validador/TAnalisadorArquivo.h"

namespace analise_teste {

// A program folder with the shipped databases (the revenue codes are read from the index), a
// scripted message box, and the analysis of files written by the test.
class ComAnalise : public testing::Test {
 protected:
  void SetUp() override {
    FalhaBanco = FalhaBancoIndice = false;
  }
  void TearDown() override {
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
  }

  QString CaminhoLog() const { return m_pasta.dados() + QStringLiteral("/TEMP/dec.log"); }

  // Writes the lines (Windows-1252, CR LF) and analyses them.
  TAnalisadorArquivo::Resultado Analisa(const QStringList& linhas) {
    const QString arquivo = m_pasta.caminho() + QStringLiteral("/entrada.txt");
    GravaArquivo(arquivo, Cp1252::codifica(linhas.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    return TAnalisadorArquivo::AnalisaArquivo(arquivo, CaminhoLog());
  }
  QStringList Log() const { return LinhasLog(CaminhoLog()); }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  FalhasBancoRegistradas m_falhas;
};

}  // namespace analise_teste
