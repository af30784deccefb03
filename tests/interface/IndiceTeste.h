#pragma once

#include <QApplication>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace indice_teste {

// A fresh program folder with the shipped databases, a scripted message box and the index
// collection, created on first use; index rows are written straight into TOLVS before that.
class ComIndice : public testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    FalhaBanco = FalhaBancoIndice = false;
    m_tolv.SetErros(&m_erros);
  }
  void TearDown() override {
    m_tolv.LiberaItens();
    m_indice.reset();
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
  }

  TColecaoTolv& Indice() {
    if (!m_indice) m_indice = std::make_unique<TColecaoTolv>();
    return *m_indice;
  }

  // An index row, keyed as the program keys them; the file name follows the number and year unless
  // one is given.
  void Linha(const char* tipo, const QString& numero, const char* ano, const QString& nome,
             int natureza = 0, int status = 0, const QString& arquivo = {}, const QString& extra = {},
             const QString& valoresExtra = {}) {
    const QString completo = numero + (QString::fromLatin1(tipo) == u"1" ? TCpf::CalculaDVCpf(numero)
                                                                          : TCnpj::CalculaDVCnpj(numero));
    const QString nomeArquivo =
        arquivo.isNull() ? QStringLiteral("TOLV2014") + completo + QString::fromLatin1(ano) + QStringLiteral(".FDB")
                         : arquivo;
    QString n = nome;
    n.replace(u'\'', QStringLiteral("''"));
    m_pasta.roda(QStringLiteral("Tolv.FDB"),
                 QStringLiteral("INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, "
                                "IN_NATUREZADECLAR, IN_STATUS, ARQUIVO%1) VALUES (NEXT VALUE FOR GEN_TOLV_DK, '%2', "
                                "'%3', '%4', '%5', %6, %7, '%8'%9);")
                     .arg(extra.isEmpty() ? QString() : QStringLiteral(", ") + extra)
                     .arg(QString::fromLatin1(tipo), numero, QString::fromLatin1(ano), n)
                     .arg(natureza)
                     .arg(status)
                     .arg(nomeArquivo, valoresExtra.isEmpty() ? QString() : QStringLiteral(", ") + valoresExtra));
  }

  // A database file in DADOS (a copy of the template).
  void Arquivo(const QString& nome) { m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), nome); }
  bool Existe(const QString& nome) const { return QFile::exists(m_pasta.dados() + u'/' + nome); }
  QString LeIndice(const QString& sql) const { return m_pasta.le(QStringLiteral("Tolv.FDB"), sql); }
  int Linhas() const { return LeIndice(QStringLiteral("SELECT COUNT(*) FROM TOLVS")).toInt(); }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  GuardaPrograma m_guarda;
  TErros m_erros;
  TTolv m_tolv;
  std::unique_ptr<TColecaoTolv> m_indice;
};

}  // namespace indice_teste
