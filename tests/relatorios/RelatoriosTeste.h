#pragma once

// What the reports' tests share: a program folder with the shipped databases and declarations
// made through the index, the scripted message box, and the reports' output replaced by one that
// keeps the pages (read them with suporte/LeitorPaginas.h: texts and where they stand, or the
// text of a PDF written from them).

#include <QApplication>
#include <QImage>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "relatorios/SaidaRelatorio.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/LeitorPaginas.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace relatorios_teste {

// The reports' output while it lives: the preview and the printer both lay every batch out into
// `paginas`; `chamadas` says which was asked ("tela", "impressora"); `durante` runs inside, while
// the report is being shown or printed.
class SaidaTeste : public ISaidaRelatorio {
 public:
  SaidaTeste() : m_anterior(InstalaSaidaRelatorio(this)) {}
  ~SaidaTeste() override { InstalaSaidaRelatorio(m_anterior); }
  SaidaTeste(const SaidaTeste&) = delete;
  SaidaTeste& operator=(const SaidaTeste&) = delete;

  void Visualiza(relatorio::Relatorio& relatorio) override { recebe(relatorio, QStringLiteral("tela")); }
  bool Imprime(relatorio::Relatorio& relatorio) override {
    recebe(relatorio, QStringLiteral("impressora"));
    return true;
  }
  QImage Logo() const override {
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    return logo;
  }

  // The text lines of a page (from 1), as LeitorPaginas::Linhas gives them.
  QStringList Linhas(int pagina) const { return LeitorPaginas::Linhas(paginas.pagina(pagina)); }
  // The pages written to a PDF file, read back as text (pdftotext).
  QString TextoPdf(const QString& arquivo) const {
    EXPECT_TRUE(relatorio::GravaPdf(paginas, 1, paginas.quantidade(), arquivo, QStringLiteral("teste")));
    return LeitorPaginas::TextoPdf(arquivo);
  }

  relatorio::PaginasRelatorio paginas{100000};
  QStringList chamadas;
  std::function<void()> durante;

 private:
  void recebe(relatorio::Relatorio& relatorio, const QString& modo) {
    chamadas << modo;
    paginas.limpa();
    if (durante) durante();
    relatorio.preparaTudo(paginas);
  }

  ISaidaRelatorio* m_anterior;
};

// A fresh program folder with the shipped databases, the index collection, the scripted message
// box and the test output; declarations are made through the index.
class ComDeclaracoes : public testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    FalhaBanco = FalhaBancoIndice = false;
    m_guarda = std::make_unique<GuardaPrograma>();
    m_indice = std::make_unique<TColecaoTolv>();
  }
  void TearDown() override {
    for (auto& t : m_declaracoes) t->LiberaItens();
    m_declaracoes.clear();
    m_indice.reset();
    TColecao::FechaConexoes();
    m_guarda.reset();
    FalhaBanco = FalhaBancoIndice = false;
  }

  TColecaoTolv& Indice() { return *m_indice; }

  std::unique_ptr<GuardaPrograma> m_guarda;

  // A new declaration of calendar year 2013 with its database, made as the program makes them;
  // `completa` sets more of its header before it is stored. Returns the caller's copy, with its
  // key in the index.
  TTolv& Cria(const QString& ni, const QString& nome, const std::function<void(TTolv&)>& completa = {}) {
    auto t = std::make_unique<TTolv>();
    m_erros.push_back(std::make_unique<TErros>());
    t->SetErros(m_erros.back().get());
    t->GetContribuinte().SetNi(ni);
    t->GetContribuinte().GetNome().SetValor(nome);
    if (ni.size() == 14) {
      t->GetEstabelecimentoResponsavel().SetNi(ni);
      t->SetNatureza(t->GetNaturezas().BuscaNatureza(0));
    }
    if (completa) completa(*t);
    m_indice->Inclui(*t);
    t->LiberaItens();
    m_indice->Atualiza();
    m_declaracoes.push_back(std::move(t));
    return *m_declaracoes.back();
  }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  SaidaTeste m_saida;
  std::unique_ptr<TColecaoTolv> m_indice;
  std::vector<std::unique_ptr<TErros>> m_erros;
  std::vector<std::unique_ptr<TTolv>> m_declaracoes;
};

}  // namespace relatorios_teste
